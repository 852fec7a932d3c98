#include "TComboBox.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QStylePainter>
#include <QTextLayout>
#include <QTimer>

#include "AccessibleList.h"
#include "EditableList.h"

namespace {

bool ReachesList(QEvent::Type type) {
    switch (type) {
        case QEvent::Enter:
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::DragEnter:
            return true;
        default:
            return false;
    }
}

// What the focus brings, passed on to the Qt list: the focus stays here, as in Qt's
// own lists it stays with the list and never moves to the list's text field.
bool FollowsFocus(QEvent::Type type) {
    switch (type) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

// A text field inside a list leaves this much space before its text.
constexpr int fieldTextIndent = 2;

}  // namespace

TComboBox::TComboBox(QWidget* parent) : QWidget(parent) {
    static const bool announced = (QAccessible::installFactory(AccessibleListFactory), true);
    (void)announced;
    setFocusPolicy(Qt::WheelFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    // The list's field takes drops; until it exists this takes the first one's arrival.
    setAcceptDrops(true);
}

void TComboBox::SetPrompt(const QString& prompt) {
    prompt_ = prompt;
    if (list_) list_->setEditText(prompt_);
    update();
}

int TComboBox::ItemIndex() const { return list_ ? list_->ItemIndex() : -1; }

QString TComboBox::Text() const { return list_ ? list_->currentText() : prompt_; }

EditableList* TComboBox::Reached() {
    if (list_) return list_;
    list_ = new EditableList(prompt_, entries_, this);
    list_->setGeometry(rect());
    list_->setFocusProxy(this);
    connect(list_, &EditableList::Change, this, &TComboBox::Change);
    setAcceptDrops(false);
    list_->show();
    // Its field learns how the focus came, as a field that was always there would.
    if (hasFocus()) {
        QFocusEvent arrival(QEvent::FocusIn, focusReason_);
        list_->Take(&arrival);
    }
    return list_;
}

QVariant TComboBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    return list_ ? list_->inputMethodQuery(query) : QWidget::inputMethodQuery(query);
}

bool TComboBox::event(QEvent* event) {
    const auto type = event->type();
    if (!list_ && type == QEvent::FocusIn) {
        focusReason_ = static_cast<QFocusEvent*>(event)->reason();
        // The focus a list gets as its window opens shows nothing but a caret: the
        // window is drawn first, and the list is built right after.
        if (drawn_)
            Reached();
        else
            buildOnceDrawn_ = true;
        return QWidget::event(event);
    }
    if (!list_ && ReachesList(type)) {
        Reached();
        // Let the next move find the field and hand the drag to it.
        if (type == QEvent::DragEnter) {
            event->ignore();
            return true;
        }
    }
    if (list_ && FollowsFocus(type)) return list_->Take(event);
    if (PassPressToList(event)) return true;
    return QWidget::event(event);
}

// The press that built the list was aimed at it, and Qt keeps sending this widget
// the moves and the release until the button goes up: a click or a drag must
// place the caret, select or open the drop-down as it would in a list that was there.
bool TComboBox::PassPressToList(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    // A press the list ignores comes back here on its way to the window.
    if (passing_) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        pressTarget_ = childAt(mouse->position().toPoint());
    QWidget* target = pressTarget_;
    if (!target) return false;
    if (type == QEvent::MouseButtonRelease) pressTarget_ = nullptr;
    QMouseEvent passed(type, target->mapFrom(this, mouse->position()), mouse->scenePosition(),
                       mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers(),
                       mouse->pointingDevice());
    passing_ = true;
    QCoreApplication::sendEvent(target, &passed);
    passing_ = false;
    event->setAccepted(passed.isAccepted());
    return true;
}

// As the Qt list and its field would draw themselves: the editable frame and
// arrow, then the field's panel, then the prompt where and as the field lays it out.
void TComboBox::paintEvent(QPaintEvent*) {
    if (list_) return;
    drawn_ = true;
    if (buildOnceDrawn_) {
        buildOnceDrawn_ = false;
        QTimer::singleShot(0, this, [this] {
            if (hasFocus()) Reached();
        });
    }

    QStylePainter painter(this);
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    option.currentText = prompt_;
    painter.setPen(palette().color(QPalette::Text));
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.translate(field.topLeft());
    QStyleOptionFrame panel;
    panel.initFrom(this);
    panel.rect = QRect(QPoint(), field.size());
    panel.lineWidth = 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    panel.state &= ~QStyle::State_MouseOver;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, nullptr);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, nullptr);
    painter.setClipRect(contents);

    QTextLayout layout(prompt_, font());
    QTextOption textOption;
    textOption.setTextDirection(layoutDirection());
    textOption.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(textOption);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = qMax(metrics.boundingRect(prompt_).height(), metrics.height());
    const int top = contents.y() + (contents.height() - lineHeight + 1) / 2;
    const QPoint origin(contents.x() + fieldTextIndent, top - (qRound(line.ascent()) - metrics.ascent()));
    painter.setPen(palette().color(QPalette::Text));
    layout.draw(&painter, origin);
}

// Drawing right-to-left text as the field does is the field's business.
void TComboBox::showEvent(QShowEvent* event) {
    if (!list_ && layoutDirection() == Qt::RightToLeft) Reached();
    QWidget::showEvent(event);
}

void TComboBox::resizeEvent(QResizeEvent* event) {
    if (list_) list_->setGeometry(rect());
    QWidget::resizeEvent(event);
}
