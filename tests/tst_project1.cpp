// SPDX-License-Identifier: GPL-3.0-or-later
// The entry function from outside: exit codes, what the user is shown when start-up
// fails, and a command line that changes nothing.

#include <QProcess>
#include <QtTest>

class Project1Test : public QObject {
    Q_OBJECT

private slots:
    void scenario_data();
    void scenario();
    void commandLineHasNoEffect();
};

void Project1Test::scenario_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("output");

    QTest::newRow("closing the window, icon in four sizes, classic style")
        << "close"
        << "shown: yes\nicon: 16x16 32x32 48x48 128x128\nstyle: windows\n";
    QTest::newRow("an Exception escaping window creation") << "exception"
                                                           << "message: [Окно не создано]\n";
    QTest::newRow("a std::exception escaping window creation")
        << "foreign"
        << "message: [Внутренняя ошибка программы\n\nstd::bad_alloc]\n";
    QTest::newRow("an error inside a handler does not end the program")
        << "handler-error"
        << "still running: yes\nmessage: [\"x\" — не целое число]\n";
}

void Project1Test::scenario() {
    QFETCH(QString, name);
    QProcess program;
    program.start(QStringLiteral(PROJECT1_SCENARIOS), {name});
    QVERIFY(program.waitForFinished(60000));
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, qPrintable(errors));
    // Windows' C library ends each line it prints with a carriage return as well.
    QTEST(QString::fromUtf8(program.readAllStandardOutput())
              .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
          "output");
    QVERIFY2(!errors.contains("Qt has caught an exception"), qPrintable(errors));
}

// Qt's own options would pick a platform that does not exist, or mirror the
// window; the program must not even see them.
void Project1Test::commandLineHasNoEffect() {
    QProcess program;
    program.start(QStringLiteral(OSTREL_EXECUTABLE), {"-platform", "nonexistent", "-reverse", "--help"});
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(2000), qPrintable(program.readAllStandardError()));
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
}

QTEST_GUILESS_MAIN(Project1Test)
#include "tst_project1.moc"
