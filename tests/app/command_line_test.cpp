// The command line read around the building of a real toolkit, one for each row, as main reads
// it: what the toolkit takes, and which ROM the program is left with.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "app/command_line.h"

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QVERIFY(QDir::setCurrent(folder_.path()));
    }

    void namesAfterDashesAreRoms_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("rom");  // in the current folder
        QTest::newRow("an option's shape after --")
            << QStringList{"--", "-style=x.a78"} << "-style=x.a78";
        QTest::newRow("an option that takes the next, last after --")
            << QStringList{"--", "-qwindowtitle"} << "-qwindowtitle";
        QTest::newRow("the toolkit's option before --, a name like one after it")
            << QStringList{"-qwindowtitle", "Title", "--", "-reverse"} << "-reverse";
    }
    // A name after "--" taken by the toolkit as one of its options, so that no ROM is chosen;
    // the toolkit's options before "--" kept from it (the program ends on an unknown option).
    void namesAfterDashesAreRoms() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, rom);
        std::vector<QByteArray> given{"quillon"};
        for (const QString& argument : arguments) {
            given.push_back(argument.toUtf8());
        }
        std::vector<char*> argv;
        for (QByteArray& argument : given) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        quillon::app::CommandLine commandLine(static_cast<int>(given.size()), argv.data());
        const QApplication toolkit(commandLine.toolkitArgc(), argv.data());
        const QString named = commandLine.romArgument().value_or("nothing");
        const QString folder = QDir::current().canonicalPath();
        QCOMPARE(QDir::fromNativeSeparators(named), folder + "/" + rom);
    }

private:
    QTemporaryDir folder_;
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
