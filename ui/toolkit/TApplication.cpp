// SPDX-License-Identifier: GPL-3.0-or-later
#include "TApplication.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include "DesignedFace.h"
#include "Exception.h"
#include "ProgramIcon.h"
#include "WaylandReads.h"

namespace {

TApplication theApplication;

// Qt keeps references to argc and argv for the life of the application.
int qtArgc = 1;
char programName[] = "ostrel";
char* qtArgv[] = {programName, nullptr};

}  // namespace

TApplication* const Application = &theApplication;

void ApplyDesignedLook() {
    QApplication::setStyle(QStringLiteral("windows"));
    // Windows and dialogs name no face of their own, so that every text asks for
    // this one and no second face is ever looked for. Fully hinted: crisp at the
    // small pixel sizes the designed bitmap face was drawn at, and quicker to
    // rasterize than the light hinting Linux defaults to.
    QFont face(DesignedFace(), 8);
    face.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(face);
}

bool TranslateQt(const QString& language) {
    auto* translation = new QTranslator(qApp);
    const QString name = QStringLiteral("qtbase_") + language;
    // A static Qt has no translations folder: its build puts them inside the program.
    if ((translation->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
         translation->load(name, QStringLiteral(":/qt-translations"))) &&
        QCoreApplication::installTranslator(translation))
        return true;
    delete translation;
    return false;
}

TApplication::TApplication() = default;

TApplication::~TApplication() = default;

void TApplication::Terminate() {
    mainForm_.reset();
    if (qtApplication_) FinishWaylandReads();
    qtApplication_.reset();
}

void TApplication::Initialize(const QString& language) {
    qtApplication_ = std::make_unique<QApplication>(qtArgc, qtArgv);
    TranslateQt(language);
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
