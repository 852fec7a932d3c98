#include "TApplication.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QMessageBox>

#include "Exception.h"

namespace {

TApplication theApplication;

// Qt keeps references to argc and argv for the life of the application.
int qtArgc = 1;
char programName[] = "ostrel";
char* qtArgv[] = {programName, nullptr};

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 128})
        icon.addFile(QStringLiteral(":/icons/ostrel-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

TApplication* const Application = &theApplication;

void MapFontFaces() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

TApplication::TApplication() = default;

TApplication::~TApplication() = default;

void TApplication::Terminate() {
    mainForm_.reset();
    qtApplication_.reset();
}

void TApplication::Initialize() {
    qtApplication_ = std::make_unique<QApplication>(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("Ostrel"));
    QApplication::setWindowIcon(ProgramIcon());
    MapFontFaces();
}

void TApplication::Run() {
    if (!mainForm_) return;
    mainForm_->show();
    QApplication::exec();
}

void TApplication::ShowException(const Exception& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ostrel"), error.Message(), QMessageBox::Ok);
    // The message may quote what the user typed: never let it be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
