// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the real window legible in the desktop's colours, light and dark:
// in a grab, each label's and group title's contrast with what it is drawn on. On
// Linux the desktop is Qt's GTK theme, which GTK reads once, at start; on Windows
// it is the apps' theme, which Qt reads at start. So a script runs each row in a
// program of its own, with OSTREL_THEME naming the row: colours.sh with GTK's
// themes, windows/colours.sh with Windows' setting.
#include <QGroupBox>
#include <QIcon>
#include <QStyleHints>
#include <QStyleOptionGroupBox>
#include <QtTest>
#include <cmath>
#include <map>

#include "Unit1.h"
#include "UserActions.h"

namespace {

double Luminance(QColor colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// WCAG's contrast of the text, the colour farthest in luminance from the
// background, the commonest colour, in the part of the area no other control covers.
double Contrast(const QImage& grab, const QWidget* window, const QWidget* control, const QRect& area) {
    QRegion uncovered(QRect(control->mapTo(window, area.topLeft()), area.size()));
    for (const QWidget* other : window->findChildren<QWidget*>())
        if (other->isVisibleTo(window) && other != control && !other->isAncestorOf(control) &&
            !control->isAncestorOf(other))
            uncovered -= QRect(other->mapTo(window, QPoint()), other->size());
    std::map<QRgb, int> counts;
    for (const QRect& part : uncovered)
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x) ++counts[grab.pixel(x, y)];
    const auto commonest = std::max_element(counts.begin(), counts.end(),
                                            [](const auto& a, const auto& b) { return a.second < b.second; });
    const double ground = Luminance(commonest->first);
    double text = ground;
    for (const auto& [colour, count] : counts)
        if (std::abs(Luminance(colour) - ground) > std::abs(text - ground)) text = Luminance(colour);
    return (std::max(text, ground) + 0.05) / (std::min(text, ground) + 0.05);
}

QRect TitleArea(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

}  // namespace

class ColoursTest : public WindowFixture {
    Q_OBJECT

public:
    ColoursTest() : WindowFixture(Make<TForm1>) {}

private slots:
    void textsAreLegible_data();
    void textsAreLegible();
};

void ColoursTest::textsAreLegible_data() {
    QTest::addColumn<bool>("dark");
#ifdef Q_OS_WIN
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
#else
    QTest::newRow("Adwaita") << false;
    QTest::newRow("Adwaita:dark") << true;
#endif
}

void ColoursTest::textsAreLegible() {
    if (qgetenv("OSTREL_THEME") != QTest::currentDataTag()) QSKIP("a script runs each theme on its own");
#ifdef Q_OS_WIN
    QTEST(QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark, "dark");
#else
    // Qt's GTK theme is in use (Qt's fallback names hicolor), with the row's colours.
    QCOMPARE(QIcon::themeName(), "Adwaita");
#endif
    const QPalette desktop = QApplication::palette();
    QTEST(desktop.color(QPalette::Window).lightness() < desktop.color(QPalette::WindowText).lightness(),
          "dark");

    const QStringList figures{"Label1", "Label2", "Label3",  "Label4",
                              "Label5", "Label6", "Label15", "Label28"};
    QMap<QString, double> contrasts;
    for (int pass = 0; pass < 2; ++pass) {  // the developers panel hidden, then shown
        if (pass) Click(Control(form.get(), "Label16"));
        const QImage grab = form->grab().toImage();
        for (const QWidget* control : form->findChildren<QWidget*>()) {
            const auto* box = qobject_cast<const QGroupBox*>(control);
            if (control->isVisibleTo(form.get()) && (box || qobject_cast<const QLabel*>(control)))
                contrasts[control->objectName()] =
                    Contrast(grab, form.get(), control, box ? TitleArea(box) : control->rect());
        }
    }
    QCOMPARE(contrasts.size(), 41);  // 36 texts, and the panel's title and four labels
    for (auto [name, contrast] : contrasts.asKeyValueRange()) {
        qInfo("%s: %.2f", qPrintable(name), contrast);
        QVERIFY2(contrast >= (figures.contains(name) ? 3 : 4.5), qPrintable(name));
    }
}

QTEST_MAIN(ColoursTest)
#include "tst_colours.moc"
