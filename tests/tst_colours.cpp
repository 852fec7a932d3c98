// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the real window legible on a light and on a dark desktop: Qt's GTK
// theme under Adwaita and under its dark variant, measured in a grab of the window.
// GTK reads its theme once, at start, so colours.sh runs each row on its own.

#include <QGroupBox>
#include <QIcon>
#include <QStyleOptionGroupBox>
#include <QtTest>
#include <cmath>
#include <map>

#include "TApplication.h"
#include "Unit1.h"
#include "UserActions.h"

namespace {

// WCAG 2's relative luminance and contrast ratio.
double Luminance(QColor colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Within the text's area: the background is the commonest colour, the text the
// colour farthest from it in luminance.
struct Measure {
    QColor text, background;
    double contrast;
};

Measure MeasureText(const QImage& grab, const QRegion& area) {
    std::map<QRgb, int> counts;
    for (const QRect& part : area)
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x) ++counts[grab.pixel(x, y)];
    QRgb background = counts.begin()->first;
    for (const auto& [colour, count] : counts)
        if (count > counts[background]) background = colour;
    const double ground = Luminance(QColor(background));
    QRgb text = background;
    for (const auto& [colour, count] : counts)
        if (std::abs(Luminance(QColor(colour)) - ground) > std::abs(Luminance(QColor(text)) - ground))
            text = colour;
    const auto [darker, lighter] = std::minmax({ground, Luminance(QColor(text))});
    return {QColor(text), QColor(background), (lighter + 0.05) / (darker + 0.05)};
}

// Where a group box draws its title.
QRect TitleArea(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

// The part of the control's area in the window that no other control covers: a
// fan size runs under the lists beside it, and a frame or a field is no text.
QRegion Uncovered(const QWidget* window, const QWidget* control, const QRect& area) {
    QRegion uncovered(QRect(control->mapTo(window, area.topLeft()), area.size()));
    for (const QWidget* other : window->findChildren<QWidget*>())
        if (other->isVisibleTo(window) && other != control && !other->isAncestorOf(control) &&
            !control->isAncestorOf(other))
            uncovered -= QRect(other->mapTo(window, QPoint()), other->size());
    return uncovered;
}

}  // namespace

class ColoursTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ApplyDesignedLook(); }

    void textsAreLegible_data();
    void textsAreLegible();
};

void ColoursTest::textsAreLegible_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("Adwaita") << false;
    QTest::newRow("Adwaita:dark") << true;
}

void ColoursTest::textsAreLegible() {
    if (qgetenv("GTK_THEME") != QTest::currentDataTag()) QSKIP("colours.sh runs each theme on its own");
    // Qt's GTK theme is in use (without it the icon theme is hicolor), and gives the
    // row's colours: the light palette here is not Qt's fallback by chance.
    QCOMPARE(QIcon::themeName(), "Adwaita");
    QFETCH(bool, dark);
    const QPalette desktop = QApplication::palette();
    QCOMPARE(desktop.color(QPalette::Window).lightness() < desktop.color(QPalette::WindowText).lightness(),
             dark);

    const auto form = OpenWindow<TForm1>();
    QVERIFY(form);
    const QStringList figures{"Label1", "Label2", "Label3",  "Label4",
                              "Label5", "Label6", "Label15", "Label28"};
    QStringList measured, illegible;
    // With the developers panel hidden, then shown.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) Click(Control(form.get(), "Label16"));
        const QImage grab = form->grab().toImage();
        for (const QWidget* control : form->findChildren<QWidget*>()) {
            const auto* box = qobject_cast<const QGroupBox*>(control);
            const auto* label = qobject_cast<const QLabel*>(control);
            if (!control->isVisibleTo(form.get()) || (!box && !label)) continue;
            const QRect area = box ? TitleArea(box) : control->rect();
            const Measure measure = MeasureText(grab, Uncovered(form.get(), control, area));
            const double least = figures.contains(control->objectName()) ? 3 : 4.5;
            const QString line =
                QStringLiteral("%1: %2 on %3, %4")
                    .arg(control->objectName(), measure.text.name(), measure.background.name())
                    .arg(measure.contrast, 0, 'f', 2);
            if (measured.contains(line)) continue;
            qInfo("%s", qPrintable(line));
            measured.append(line);
            if (measure.contrast < least) illegible.append(line);
        }
    }
    QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(u'\n')));
    QCOMPARE(measured.size(), 41);  // 36 texts, then the panel's title and four labels
}

QTEST_MAIN(ColoursTest)
#include "tst_colours.moc"
