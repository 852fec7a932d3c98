#include "AccessibleList.h"

#include <QAccessibleWidget>
#include <QLineEdit>

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
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    TComboBox* list() const { return static_cast<TComboBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* AccessibleListFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TComboBox") && object && object->isWidgetType())
        return new AccessibleList(static_cast<TComboBox*>(object));
    return nullptr;
}
