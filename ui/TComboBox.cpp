#include "TComboBox.h"

#include <QAccessible>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QStylePainter>
#include <QTextLayout>

#include "AccessibleList.h"
#include "Dispatch.h"

namespace {

// An editable list builds a completer for its text field unless the field has one
// already, and building one costs more than the rest of the list. Every list's
// field is given this one for the moment of becoming editable, then none.
QCompleter* Placeholder() {
    // Owned by the application, so a later QApplication gets a fresh one.
    static QPointer<QCompleter> completer;
    if (!completer) completer = new QCompleter(qApp);
    return completer;
}

bool ReachesField(QEvent::Type type) {
    switch (type) {
        case QEvent::Enter:
        case QEvent::FocusIn:
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

// A text field inside a list leaves this much space before its text.
constexpr int fieldTextIndent = 2;

}  // namespace

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    static const bool announced = (QAccessible::installFactory(AccessibleListFactory), true);
    (void)announced;
    // Typed text must never become an entry: the index selects the figure.
    setInsertPolicy(QComboBox::NoInsert);
    // The field takes drops; until it exists the list takes the first one's arrival.
    setAcceptDrops(true);
    setAttribute(Qt::WA_InputMethodEnabled);
    // activated, unlike currentIndexChanged, also fires when the user picks the
    // entry already shown (from the drop-down, which needs no field).
    connect(this, &QComboBox::activated, this, [this] { RaiseChange(false); });
}

void TComboBox::BuildField() {
    auto* field = new QLineEdit(this);
    field->setCompleter(Placeholder());
    setLineEdit(field);
    // The completer would rewrite the text while the user types.
    field->setCompleter(nullptr);
    setAcceptDrops(false);
    // On Enter or on leaving the field Qt would select an entry that matches the
    // typed text and report it as a pick; an edit is an edit until the user picks.
    disconnect(field, &QLineEdit::editingFinished, this, nullptr);
    // Fires for the user's keystrokes only.
    connect(field, &QLineEdit::textEdited, this, [this] { RaiseChange(true); });
    if (currentIndex() < 0) ShowPrompt();
}

QString TComboBox::Text() const {
    if (lineEdit()) return lineEdit()->text();
    return currentIndex() < 0 ? prompt_ : itemText(currentIndex());
}

void TComboBox::SetPrompt(const QString& prompt) {
    prompt_ = prompt;
    // An editable list never draws this text; set, it keeps the list unselected
    // when its entries arrive.
    setPlaceholderText(prompt_);
    if (currentIndex() < 0) ShowPrompt();
}

void TComboBox::SetEntries(const QStringList& entries) {
    addItems(entries);
    // Without a prompt, adding entries selects the first.
    if (currentIndex() >= 0) {
        setCurrentIndex(-1);
        ShowPrompt();
    }
}

// From its first letter: a narrow list would otherwise show the prompt's tail.
void TComboBox::ShowPrompt() {
    if (!lineEdit()) return update();
    setEditText(prompt_);
    lineEdit()->setCursorPosition(0);
}

bool TComboBox::event(QEvent* event) {
    if (!lineEdit() && ReachesField(event->type())) {
        BuildField();
        // Let the next move find the field and hand the drag to it.
        if (event->type() == QEvent::DragEnter) {
            event->ignore();
            return true;
        }
    }
    if (PassPressToField(event)) return true;
    return QComboBox::event(event);
}

// The press that built the field was aimed at the list, and Qt keeps sending the
// list the moves and the release until the button goes up: a click or a drag in
// the field must place the caret or select as it would in a field that was there.
bool TComboBox::PassPressToField(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    QLineEdit* field = lineEdit();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        fieldOwnsPress_ = field && field->geometry().contains(mouse->position().toPoint());
    if (!fieldOwnsPress_) return false;
    if (type == QEvent::MouseButtonRelease) fieldOwnsPress_ = false;
    QMouseEvent passed(type, field->mapFrom(this, mouse->position()), mouse->scenePosition(),
                       mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers(),
                       mouse->pointingDevice());
    QCoreApplication::sendEvent(field, &passed);
    event->setAccepted(passed.isAccepted());
    return true;
}

// As the list and its field would draw themselves: the editable frame and arrow,
// then the field's panel, then the text where and as the field lays it out.
void TComboBox::paintEvent(QPaintEvent* event) {
    if (lineEdit()) return QComboBox::paintEvent(event);

    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.editable = true;
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

    const QString text = Text();
    QTextLayout layout(text, font());
    QTextOption textOption;
    textOption.setTextDirection(layoutDirection());
    textOption.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(textOption);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = qMax(metrics.boundingRect(text).height(), metrics.height());
    const int top = contents.y() + (contents.height() - lineHeight + 1) / 2;
    const QPoint origin(contents.x() + fieldTextIndent, top - (qRound(line.ascent()) - metrics.ascent()));
    painter.setPen(palette().color(QPalette::Text));
    layout.draw(&painter, origin);
}

// Drawing right-to-left text as the field does is the field's business.
void TComboBox::showEvent(QShowEvent* event) {
    if (!lineEdit() && layoutDirection() == Qt::RightToLeft) BuildField();
    QComboBox::showEvent(event);
}

void TComboBox::RaiseChange(bool edited) {
    edited_ = edited;
    Dispatch([this] { emit Change(); });
}
