// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announce.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include "AccessibleInterface.h"
#include "TComboBox.h"

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleWidget>
#include <QStatusBar>
#endif

namespace {

// Long enough for the gap between two keys of one number, short enough to come
// while the user still listens for it.
constexpr int typingPauseMs = 1000;

// The message as the bus sees it before Qt 6.8: a notification, named by its text.
class Notice : public QLabel {
    Q_OBJECT

public:
    explicit Notice(QWidget* parent) : QLabel(parent) {}
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

class AccessibleNotice : public QAccessibleWidget {
public:
    explicit AccessibleNotice(Notice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}
};

// The window's notice, in a status bar that stays hidden: nothing is drawn and
// nothing in the window moves, yet showing it is an event on the bus.
Notice* NoticeOf(QWidget* window) {
    if (Notice* notice = window->findChild<Notice*>()) return notice;
    InstallAccessibleInterface<Notice, AccessibleNotice>();
    auto* bar = new QStatusBar(window);
    bar->hide();
    auto* notice = new Notice(bar);
    bar->addWidget(notice);
    return notice;
}

#endif

void Speak(QWidget* focused, const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(focused, message);
    QAccessible::updateAccessibility(&event);
#else
    Notice* notice = NoticeOf(focused->window());
    notice->setText(message);
    notice->setAccessibleName(message);
    QAccessibleEvent event(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
#endif
    emit Announcements::Instance()->Spoken(message);
}

// The controls that carry the last message as their description, each with the
// description it had before, and the message held back while the user types.
class Announcer : public QObject {
public:
    explicit Announcer(QObject* parent) : QObject(parent) {
        pause_.setSingleShot(true);
        pause_.setInterval(typingPauseMs);
        connect(&pause_, &QTimer::timeout, this, [this] {
            if (!carriers_.isEmpty() && carriers_.first().widget) Speak(carriers_.first().widget, pending_);
        });
        connect(qApp, &QApplication::focusChanged, this, [this] { Withdraw(); });
    }

    void Announce(const QString& message) {
        QWidget* focused = QApplication::focusWidget();
        if (carriers_.isEmpty() || carriers_.first().widget != focused) Withdraw();
        if (!focused) return;
        if (carriers_.isEmpty()) {
            Carry(focused);
            for (QWidget* part : focused->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (part->focusProxy() == focused) Carry(part);
        }
        for (const Carrier& carrier : std::as_const(carriers_))
            if (carrier.widget) carrier.widget->setAccessibleDescription(message);

        const auto* list = qobject_cast<const TComboBox*>(focused);
        const TComboBox::Origin origin = list ? list->LastOrigin() : TComboBox::Origin::Keys;
        if (origin == TComboBox::Origin::DropDown) return;
        if (origin == TComboBox::Origin::Typing) {
            pending_ = message;
            pause_.start();
            return;
        }
        pause_.stop();
        Speak(focused, message);
    }

private:
    struct Carrier {
        QPointer<QWidget> widget;
        QString before;
    };

    void Carry(QWidget* widget) { carriers_.append({widget, widget->accessibleDescription()}); }

    // A later visit to the control must not repeat a message gone stale, nor the
    // user hear, on another control, a figure typed for the one left.
    void Withdraw() {
        pause_.stop();
        for (const Carrier& carrier : std::as_const(carriers_))
            if (carrier.widget) carrier.widget->setAccessibleDescription(carrier.before);
        carriers_.clear();
    }

    QList<Carrier> carriers_;
    QTimer pause_;
    QString pending_;
};

}  // namespace

Announcements* Announcements::Instance() {
    static QPointer<Announcements> instance;
    if (!instance) instance = new Announcements(qApp);
    return instance;
}

void Announce(const QString& message) {
    // Owned by the application, so a later QApplication gets a fresh one.
    static QPointer<Announcer> announcer;
    if (!announcer) announcer = new Announcer(qApp);
    announcer->Announce(message);
}

#include "Announce.moc"
