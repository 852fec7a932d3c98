#pragma once

// Screen readers on Linux take an editable list's name from its text, which here is
// a prompt or an entry ("Количество", "4") and says nothing of which list it is.
// Lists announce their own accessible name instead, and their text as the value.

class QObject;
class QAccessibleInterface;
class QString;

QAccessibleInterface* AccessibleListFactory(const QString& className, QObject* object);
