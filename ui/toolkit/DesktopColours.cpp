// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopColours.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr QPalette::ColorGroup groups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

// sRGB's transfer function, both ways, on channels from 0 to 1.
double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}
double Encoded(double linear) {
    return linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

double Luminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

// Moves every channel, in linear light, along the same line: scaled towards
// black, or mixed with white. Either keeps the hue. Rounded away from the
// background's side, so that the shade never falls short of the contrast asked.
QColor Shade(const QColor& colour, double scale, double white, bool darker) {
    const auto channel = [&](double encoded) {
        const double value = 255 * Encoded(Linear(encoded) * scale + white);
        return std::clamp(static_cast<int>(darker ? std::floor(value) : std::ceil(value)), 0, 255);
    };
    return QColor(channel(colour.redF()), channel(colour.greenF()), channel(colour.blueF()), colour.alpha());
}

// WCAG 2's contrast ratio: from 1, the same luminance, to 21.
double ContrastRatio(const QColor& a, const QColor& b) {
    const auto [darker, lighter] = std::minmax({Luminance(a), Luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The colour where it stands out from the background by the contrast; otherwise
// the shade of the same hue nearest to it in luminance that does: darker on a
// background lighter than the colour, lighter on a darker one, where that shade
// exists.
QColor ShadeAgainst(const QColor& colour, const QColor& background, double contrast) {
    if (ContrastRatio(colour, background) >= contrast) return colour;
    const double text = Luminance(colour);
    const double ground = Luminance(background);
    // The most luminance a darker shade may keep, and the least a lighter one needs.
    const double darkest = (ground + 0.05) / contrast - 0.05;
    const double lightest = contrast * (ground + 0.05) - 0.05;
    const bool darker = text < ground ? darkest >= 0 : lightest > 1;
    if (darker) return text > 0 ? Shade(colour, std::max(darkest, 0.0) / text, 0, true) : colour;
    const double white = (std::min(lightest, 1.0) - text) / (1 - text);
    return Shade(colour, 1 - white, white, false);
}

// The form's background, and the texts that chose their own colour, each with
// the palette the form's description gave it.
class ThreeDLight : public QObject {
public:
    ThreeDLight(QWidget& form, double contrast) : QObject(&form), form_(form), contrast_(contrast) {
        PaintBackground();
        if (form.testAttribute(Qt::WA_WState_Polished)) FindTexts();
        form.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &form_) return false;
        if (event->type() == QEvent::Polish) {
            FindTexts();
        } else if (event->type() == QEvent::ApplicationPaletteChange) {
            PaintBackground();
            ShadeTexts();
        }
        return false;
    }

private:
    void PaintBackground() {
        const QPalette desktop = QApplication::palette(&form_);
        QPalette own = form_.palette();
        for (QPalette::ColorGroup group : groups)
            own.setBrush(group, QPalette::Window, desktop.brush(group, QPalette::Midlight));
        form_.setPalette(own);
    }

    // Once the form is complete, just before it is first shown: its texts are
    // there, and have not been drawn.
    void FindTexts() {
        for (QWidget* child : form_.findChildren<QWidget*>())
            if (child->testAttribute(Qt::WA_SetPalette) &&
                child->palette().isBrushSet(QPalette::Active, QPalette::WindowText))
                texts_.emplace_back(child, child->palette());
        ShadeTexts();
    }

    void ShadeTexts() {
        const QPalette& background = form_.palette();
        for (const auto& [text, designed] : texts_) {
            if (!text) continue;
            QPalette shaded = designed;
            for (QPalette::ColorGroup group : groups)
                shaded.setColor(group, QPalette::WindowText,
                                ShadeAgainst(designed.color(group, QPalette::WindowText),
                                             background.color(group, QPalette::Window), contrast_));
            text->setPalette(shaded);
        }
    }

    QWidget& form_;
    double contrast_;
    std::vector<std::pair<QPointer<QWidget>, QPalette>> texts_;
};

}  // namespace

void PaintIn3DLight(QWidget& form, double contrast) { new ThreeDLight(form, contrast); }
