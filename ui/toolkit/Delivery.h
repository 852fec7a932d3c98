// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How one message reaches a screen-reader user: the whole choice in one place.
//
// The message always becomes the description of the control that has the focus,
// for "where am I". Whether that alone is heard depends on what Qt tells the bus:
// Qt 6.4 says that a description changed but not what it now says, and Orca 43
// speaks nothing of it; Qt 6.8 says what it now says, and Orca 48 speaks it.
// So before Qt 6.8 the message goes out as a notification, which Orca 43 speaks
// as it is shown; from Qt 6.8 an announcement carries it only where the
// description already said it, since a changed description is spoken already.
//
// After a pick in the drop-down the focus coming back to the list reads the new
// description, so nothing more goes out before Qt 6.8, and the message is not
// counted as spoken there on any Qt: the returning focus speaks it, not we.

#include "TComboBox.h"

enum class Sent {
    Description,   // the changed description is all that is needed
    Notification,  // a notification shown without being drawn
    Announcement,  // Qt's announcement
};

struct Delivery {
    Sent sent;
    bool spokenNow;  // heard because of what is sent now, not by a returning focus
};

constexpr Delivery DeliveryOf(bool busSaysNewDescription, TComboBox::Origin origin, bool descriptionChanged) {
    const bool focusReturnsToList = origin == TComboBox::Origin::DropDown;
    if (!busSaysNewDescription)
        return {focusReturnsToList ? Sent::Description : Sent::Notification, !focusReturnsToList};
    return {descriptionChanged ? Sent::Description : Sent::Announcement, !focusReturnsToList};
}
