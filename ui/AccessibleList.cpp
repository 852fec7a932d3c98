#include "AccessibleList.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "EditableList.h"
#include "TComboBox.h"

namespace {

class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(TComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("Change()"));
    }

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name:
                return list()->accessibleName();
            case QAccessible::Value:
                return list()->Text();
            default:
                return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.expandable = true;
        return state;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString& action) override {
        if (action == showMenuAction())
            list()->Reached()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The Qt list the user reached is this list's own working part: what it shows
    // the user is its text field, as in Qt's own lists.
    int childCount() const override { return field() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && field() ? QAccessible::queryAccessibleInterface(field()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && field() && child->object() == field() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* only = child(0);
        return only && only->rect().contains(x, y) ? only : nullptr;
    }

private:
    QLineEdit* field() const { return list()->IsReached() ? list()->Reached()->lineEdit() : nullptr; }
    TComboBox* list() const { return static_cast<TComboBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* AccessibleListFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TComboBox") && object && object->isWidgetType())
        return new AccessibleList(static_cast<TComboBox*>(object));
    return nullptr;
}
