#include "TApplication.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>

#include "Exception.h"
#include "ProgramIcon.h"

namespace {

TApplication theApplication;

// Qt keeps references to argc and argv for the life of the application.
int qtArgc = 1;
char programName[] = "ostrel";
char* qtArgv[] = {programName, nullptr};

const QString designedFace = QStringLiteral("MS Sans Serif");
const QString installedFace = QStringLiteral("Liberation Sans");

}  // namespace

TApplication* const Application = &theApplication;

void ApplyDesignedLook() {
    QApplication::setStyle(QStringLiteral("windows"));
    QFont::insertSubstitution(designedFace, installedFace);
    // The toolkit's own default, so that every window and dialog, and every text
    // field before it takes its window's font, asks for the one face in use.
    QApplication::setFont(WithInstalledFace(QFont(designedFace, 8)));
}

QFont WithInstalledFace(QFont font) {
    if (font.families() == QStringList{designedFace}) {
        font.setFamilies({installedFace});
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
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
    ApplyDesignedLook();
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
