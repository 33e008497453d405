// The figures that drive the real window, each against the plainest work
// that produces the same visible result.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "app/upload_page.h"
#include "figures.h"
#include "rom_folder.h"
#include "ui/file_list.h"
#include "ui/folder_list.h"
#include "windows.h"

namespace quillon::bench {
namespace {

QString native(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path.string()));
}

void require(bool condition) {
    if (!condition) std::abort();  // a figure that measured the wrong work is worthless
}

constexpr int kKeyRepetitions = 200;

// The real window from construction until the platform has exposed it, in a
// folder of a thousand files.
double realStartUp(const Workspace& workspace) {
    QDir::setCurrent(native(workspace.startFolder));
    return timed([] {
        LoaderWindow loader;
        showAndWait(loader.window());
    });
}

}  // namespace

Figure folderChangeFigure(const Workspace& workspace, bool allFiles) {
    // One window for all repetitions: the figure is the folder change alone.
    auto loader = std::make_shared<LoaderWindow>();
    app::frmGameLoader& window = loader->window();
    const app::UploadControls& up = window.upload().controls();
    showAndWait(window);
    if (allFiles) QTest::mouseClick(up.cmdView1, Qt::LeftButton);
    const int expected = allFiles ? 100000 : 1000;
    const std::string patterns = allFiles ? "*.*" : "*.bin;*.a78";

    Figure figure;
    figure.name =
        allFiles ? "folder change, all files" : "folder change, 100 000 files, 1 000 ROMs";
    figure.target = 3.0;
    figure.measured = [loader, up, workspace, expected] {
        require(up.Dir2->setPath(native(workspace.emptyFolder)));
        const double seconds = timed([&] { up.Dir2->setPath(native(workspace.bigFolder)); });
        require(up.flbOpen->count() == expected);
        return seconds;
    };
    figure.baseline = [workspace, patterns, expected] {
        std::size_t listed = 0;
        const double seconds =
            timed([&] { listed = scanFolder(workspace.bigFolder, patterns).size(); });
        require(static_cast<int>(listed) == expected);
        return seconds;
    };
    return figure;
}

Figure startUpFigure(const Workspace& workspace) {
    Figure figure;
    figure.name = "start-up, 1 000 files in the folder";
    // A hundred real controls cannot start like plain labels: no target.
    figure.measured = [workspace] { return realStartUp(workspace); };
    figure.baseline = [] {
        return timed([] {
            auto bare = makeBareWindow();
            showAndWait(*bare);
        });
    };
    return figure;
}

Figure startUpAgainstControlsFigure(const Workspace& workspace, bool uploadOnView) {
    Figure figure;
    if (uploadOnView) {
        figure.name = "start-up, against its controls unwired";
        figure.target = 1.3;
    } else {
        figure.name = "start-up, against them with pages hidden";
    }
    figure.measured = [workspace] { return realStartUp(workspace); };
    // The drives are read on both sides: main reads them for every start.
    figure.baseline = [workspace, uploadOnView] {
        QDir::setCurrent(native(workspace.startFolder));
        return timed([uploadOnView] {
            const std::unique_ptr<ui::DriveSource> drives = ui::makeSystemDriveSource();
            auto unwired = makeUnwiredWindow(*drives, uploadOnView);
            showAndWait(*unwired);
        });
    };
    return figure;
}

Figure writeAddressKeyFigure(const Workspace& workspace) {
    QDir::setCurrent(native(workspace.startFolder));
    auto loader = std::make_shared<LoaderWindow>();
    app::frmGameLoader& window = loader->window();
    showAndWait(window);
    const app::UploadControls& up = window.upload().controls();
    QTest::mouseClick(up.chkHexx, Qt::LeftButton);
    require(up.txtHexx->isEnabled());

    auto plain = std::make_shared<QWidget>();
    auto* edit = new QLineEdit(plain.get());
    auto* label = new QLabel(plain.get());
    label->setGeometry(0, 30, 300, 20);
    QObject::connect(edit, &QLineEdit::textChanged, label, &QLabel::setText);
    showAndWait(*plain);

    Figure figure;
    figure.name = "four keys into the write address";
    figure.target = 1.5;
    figure.measured = [loader, up] {
        double seconds = 0;
        for (int repetition = 0; repetition < kKeyRepetitions; ++repetition) {
            up.txtHexx->clear();
            seconds += timed([&] { QTest::keyClicks(up.txtHexx, QStringLiteral("12Ab")); });
        }
        require(up.txtHexx->text() == QStringLiteral("12Ab"));
        return seconds;
    };
    figure.baseline = [plain, edit] {
        double seconds = 0;
        for (int repetition = 0; repetition < kKeyRepetitions; ++repetition) {
            edit->clear();
            seconds += timed([&] { QTest::keyClicks(edit, QStringLiteral("12Ab")); });
        }
        return seconds;
    };
    return figure;
}

}  // namespace quillon::bench
