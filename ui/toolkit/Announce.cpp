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
#include "Delivery.h"
#include "TComboBox.h"

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleWidget>
#include <QStatusBar>
#endif

namespace {

// Long enough for the gap between two keys of one number, short enough to come
// while the user still listens for it.
constexpr int typingPauseMs = 1000;

#ifdef Q_OS_WIN
constexpr bool windows = true;
#else
constexpr bool windows = false;
#endif
constexpr bool qt68 = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);
constexpr Bridge bridge{.speaksNewDescription = qt68 && !windows, .announces = qt68};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

// The message as the bus sees it before Qt 6.8: a notification, named by its text.
class Notice : public QLabel {
    Q_OBJECT

public:
    explicit Notice(QWidget* parent) : QLabel(parent) {}
};

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

// Each Qt is only ever asked for what its bus can carry.
void Send(QWidget* focused, const QString& message, Sent sent) {
    switch (sent) {
        case Sent::Description:
            return;
        case Sent::Notification: {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
            Notice* notice = NoticeOf(focused->window());
            notice->setText(message);
            notice->setAccessibleName(message);
            QAccessibleEvent event(notice, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&event);
#endif
            return;
        }
        case Sent::Announcement: {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            QAccessibleAnnouncementEvent event(focused, message);
            QAccessible::updateAccessibility(&event);
#endif
            return;
        }
    }
}

// "Where am I" in Orca reads the description of a list's text field; Orca 43,
// which never speaks a changed description, may read the list's too, as may a
// Windows screen reader; Orca 48 would speak the list's change as well as the
// field's.
constexpr bool listsCarry = !bridge.speaksNewDescription;

// The controls that carry the last message as their description, each with the
// description it had before, and the message held back while the user types.
class Announcer : public QObject {
public:
    explicit Announcer(QObject* parent) : QObject(parent) {
        pause_.setSingleShot(true);
        pause_.setInterval(typingPauseMs);
        connect(&pause_, &QTimer::timeout, this, [this] {
            if (QWidget* focused = QApplication::focusWidget())
                Tell(focused, pending_, TComboBox::Origin::Typing);
        });
        connect(qApp, &QApplication::focusChanged, this, [this] { Withdraw(); });
    }

    void Announce(const QString& message) {
        QWidget* focused = QApplication::focusWidget();
        if (target_ != focused) Withdraw();
        if (!focused) return;
        const auto* list = qobject_cast<const TComboBox*>(focused);
        const TComboBox::Origin origin = list ? list->LastOrigin() : TComboBox::Origin::Keys;
        // Told at once, each keystroke's figure would drown the echo of the next key.
        if (origin == TComboBox::Origin::Typing) {
            pending_ = message;
            pause_.start();
            return;
        }
        pause_.stop();
        Tell(focused, message, origin);
    }

private:
    void Tell(QWidget* focused, const QString& message, TComboBox::Origin origin) {
        if (target_ != focused) {
            target_ = focused;
            for (QWidget* part : focused->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (part->focusProxy() == focused) Carry(part);
            if (carriers_.isEmpty() || listsCarry) Carry(focused);
        }
        bool described = false;
        for (const Carrier& carrier : std::as_const(carriers_)) {
            if (!carrier.widget || carrier.widget->accessibleDescription() == message) continue;
            carrier.widget->setAccessibleDescription(message);
            described = true;
        }
        const Delivery delivery = DeliveryOf(bridge, origin, described);
        Send(focused, message, delivery.sent);
        if (delivery.spokenNow) emit Announcements::Instance()->Spoken(message);
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
        target_ = nullptr;
    }

    QPointer<QWidget> target_;  // the control the carriers belong to
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
