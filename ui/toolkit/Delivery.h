// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How one message reaches a screen-reader user: the whole choice in one place.
//
// The message always becomes the description of the control that has the focus,
// for "where am I". Whether that alone is heard depends on what the platform's
// bridge does with a changed description: on Linux, Qt 6.4 tells the bus that it
// changed but not what it now says, and Orca 43 speaks nothing of it; Qt 6.8 tells
// what it now says, and Orca 48 speaks it. On Windows, Qt's UI Automation bridge
// raises nothing for it at all. Where a changed description is not spoken, the
// message goes out as Qt 6.8's announcement, which UI Automation raises as a
// notification; before Qt 6.8, as a notification shown without being drawn, which
// Orca 43 speaks as it is shown. Where it is spoken, an announcement carries the
// message only where the description already said it.
//
// After a pick in the drop-down the focus coming back to the list reads its
// description, in Orca and in NVDA alike, so nothing more goes out, and the
// message is not counted as spoken: the returning focus speaks it, not we.

#include "TComboBox.h"

// What reaches a screen reader from the platform Qt runs on.
struct Bridge {
    bool speaksNewDescription;  // a changed description is spoken as it changes
    bool announces;             // Qt's announcement event is passed on
};

enum class Sent {
    Description,   // the changed description is all that is needed
    Notification,  // a notification shown without being drawn
    Announcement,  // Qt's announcement
};

struct Delivery {
    Sent sent;
    bool spokenNow;  // heard because of what is sent now, not by a returning focus
};

constexpr Delivery DeliveryOf(Bridge bridge, TComboBox::Origin origin, bool descriptionChanged) {
    if (origin == TComboBox::Origin::DropDown) return {Sent::Description, false};
    if (bridge.speaksNewDescription && descriptionChanged) return {Sent::Description, true};
    return {bridge.announces ? Sent::Announcement : Sent::Notification, true};
}
