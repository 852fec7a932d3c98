#include "ProgramIcon.h"

#include <QIconEngine>

namespace {

QIcon ReadProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/icons/ostrel-%1.png").arg(size), QSize(size, size));
    return icon;
}

class ReadOnFirstUse : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new ReadOnFirstUse(*this); }

private:
    const QIcon& Icon() {
        if (icon_.isNull()) icon_ = ReadProgramIcon();
        return icon_;
    }

    QIcon icon_;
};

}  // namespace

QIcon ProgramIcon() { return QIcon(new ReadOnFirstUse); }
