// The real boxes: wide enough for their caption, and the error box of a page that the desktop
// could not open, with the address whole and selectable; the launcher that notices it.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "tests/support/box_closer.h"
#include "ui/browser_launcher.h"
#include "ui/desktop.h"

namespace {

const QUrl kVideo(
    QStringLiteral("https://www.khanacademy.org/science/health-and-medicine/circulatory-system/"
                   "blood-pressure-ddp/v/what-is-blood-pressure-1?t=358"));

// A PATH holding only the given xdg-open, or nothing at all, and $BROWSER naming the given
// browser in it, or nothing.
class FakePath {
  public:
    explicit FakePath(const char* xdgOpenScript = nullptr, const char* browserScript = nullptr)
        : old_(qgetenv("PATH")) {
        write("xdg-open", xdgOpenScript);
        write("browser", browserScript);
        qputenv("PATH", dir_.path().toLocal8Bit());
        qunsetenv("DEFAULT_BROWSER");
        if (browserScript) {
            qputenv("BROWSER", "browser");
        } else {
            qunsetenv("BROWSER");
        }
    }
    ~FakePath() {
        qputenv("PATH", old_);
        qunsetenv("BROWSER");
    }
    QString file(const char* name) const { return dir_.filePath(QLatin1String(name)); }

  private:
    void write(const char* name, const char* text) {
        if (!text) return;
        QFile script(dir_.filePath(QLatin1String(name)));
        script.open(QIODevice::WriteOnly);
        script.write(text);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir dir_;
    QByteArray old_;
};

}  // namespace

class TestBoxes : public QObject {
    Q_OBJECT
  private slots:
    // The window manager writes the caption in the title bar: a short text must not make the
    // box so narrow that the caption is cut.
    void boxIsWideEnoughForItsCaption_data() {
        QTest::addColumn<bool>("error");
        QTest::newRow("message box") << false;
        QTest::newRow("error box") << true;
    }
    void boxIsWideEnoughForItsCaption() {
        QFETCH(bool, error);
        ui::QtDesktop desktop;
        const testing_support::BoxCloser closer;
        if (error) {
            desktop.showError(QStringLiteral("1"));
        } else {
            desktop.showMessage(QStringLiteral("Недопустимый символ!!!"));
        }
        QCOMPARE(closer.seen().size(), 1u);
        QFont bold = QApplication::font();
        bold.setBold(true);
        const int caption = QFontMetrics(bold).horizontalAdvance(closer.seen()[0].caption);
        QVERIFY2(closer.seen()[0].frame.width() >= caption + 64,
                 qPrintable(QStringLiteral("box %1 px, caption %2 px")
                                .arg(closer.seen()[0].frame.width())
                                .arg(caption)));
    }

    // Replacing a file is asked in the program's own box, as wide as its caption.
    void overwriteQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replace");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("no") << int(QMessageBox::No) << false;
    }
    void overwriteQuestion() {
        QFETCH(int, answer);
        QFETCH(bool, replace);
        ui::QtDesktop desktop;
        const testing_support::BoxCloser closer(static_cast<QMessageBox::StandardButton>(answer));
        const QString path = QStringLiteral("/tmp/C=1.2.png");
        QCOMPARE(desktop.confirmOverwrite(path), replace);
        QCOMPARE(closer.seen().size(), 1u);
        const testing_support::SeenBox& box = closer.seen()[0];
        QCOMPARE(box.caption, ui::applicationTitle());
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, 2);
        QCOMPARE(box.text, ui::overwriteQuestion(path));
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY(box.frame.width() >= QFontMetrics(bold).horizontalAdvance(box.caption) + 64);
    }

    // A page that cannot be opened: the error box names it, and the address stands whole on its
    // own line, selectable, without invisible break points that a copy would carry along.
    void unopenedPageIsReported_data() {
        QTest::addColumn<bool>("later");  // the desktop reports the failure after returning
        QTest::newRow("at once") << false;
        QTest::newRow("later") << true;
    }
    void unopenedPageIsReported() {
        QFETCH(bool, later);
        QList<QUrl> handed;
        ui::QtDesktop desktop([&](const QUrl& url, const std::function<void()>& failed) {
            handed << url;
            if (later) {
                QTimer::singleShot(10, failed);
            } else {
                failed();
            }
        });
        const testing_support::BoxCloser closer;
        desktop.openUrl(kVideo);
        QCOMPARE(handed, QList<QUrl>{kVideo});
        QTRY_COMPARE(closer.seen().size(), 1u);
        const testing_support::SeenBox& box = closer.seen()[0];
        QCOMPARE(box.caption, ui::applicationTitle());
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, 1);
        QCOMPARE(box.rawText, ui::errorBoxText(ui::unopenedPageMessage(kVideo)));
        QVERIFY(box.rawText.startsWith(QStringLiteral("Не удалось открыть страницу\n")));
        QVERIFY(box.rawText.split(QLatin1Char('\n')).contains(kVideo.toString()));
        QVERIFY(box.selectable);
        QVERIFY(box.screen.contains(box.frame));
    }

    // The address is copied with the keyboard alone: Tab to the text, select it all, copy.
    void unopenedPageCopiedWithTheKeyboard() {
        ui::QtDesktop desktop([](const QUrl&, const std::function<void()>& failed) { failed(); });
        QString copied;
        QTimer keys;
        connect(&keys, &QTimer::timeout, [&] {
            for (QWidget* const w : QApplication::topLevelWidgets()) {
                auto* const box = qobject_cast<QMessageBox*>(w);
                // Keys go where the focus is once the box is the active window.
                if (!box || !box->isVisible() || !QApplication::focusWidget() ||
                    QApplication::focusWidget()->window() != box)
                    continue;
                keys.stop();
                QApplication::clipboard()->clear();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
                copied = QApplication::clipboard()->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        keys.start(5);
        desktop.openUrl(kVideo);
        QTRY_VERIFY(!copied.isEmpty());
        QVERIFY2(copied.split(QLatin1Char('\n')).contains(kVideo.toString()), qPrintable(copied));
    }

    // Printing into a file offers the folder the save dialogs start in, the user's Documents.
    void printToFileOffersTheSaveFolder() {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        ui::QtDesktop desktop;
        QPrinter printer;
        printer.setDocName(QStringLiteral("график"));
        QString offered;
        const QString current = QDir::currentPath();
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* const w : QApplication::topLevelWidgets()) {
                auto* const dialog = qobject_cast<QPrintDialog*>(w);
                if (!dialog || !dialog->isVisible()) continue;
                poll.stop();
                if (const auto* const name = dialog->findChild<QLineEdit*>("filename"))
                    offered = name->text();
                dialog->reject();
            }
        });
        poll.start(5);
        const bool printed = desktop.choosePrinter(printer);
        qputenv("HOME", oldHome);
        QVERIFY(!printed);
        QVERIFY2(offered.startsWith(home.filePath(QStringLiteral("Documents"))),
                 qPrintable(offered));
        QCOMPARE(QDir::currentPath(), current);  // the program's own current folder is back
    }

    void openedPageShowsNothing() {
        ui::QtDesktop desktop([](const QUrl&, const std::function<void()>&) {});
        const testing_support::BoxCloser closer;
        desktop.openUrl(kVideo);
        QTest::qWait(50);
        QVERIFY(closer.seen().empty());
    }

    // The launcher itself: what xdg-open says decides; without it, what the browser named in
    // $BROWSER says; without either, Qt's own search.
    void launcher_data() {
        QTest::addColumn<QString>("xdgOpen");  // empty: none on the PATH
        QTest::addColumn<QString>("browser");  // empty: no $BROWSER
        QTest::addColumn<bool>("fails");
        const QString opens = QStringLiteral("#!/bin/sh\necho \"$1\" > \"${0%/*}/handed.url\"\n");
        QTest::newRow("no browser at all") << QString() << QString() << true;
        QTest::newRow("xdg-open finds no browser") << "#!/bin/sh\nexit 3\n" << QString() << true;
        QTest::newRow("xdg-open action failed") << "#!/bin/sh\nexit 4\n" << QString() << true;
        QTest::newRow("browser opened") << opens << QString() << false;
        QTest::newRow("$BROWSER fails") << QString() << "#!/bin/sh\nexit 1\n" << true;
        QTest::newRow("$BROWSER opens") << QString() << opens << false;
    }
    void launcher() {
        QFETCH(QString, xdgOpen);
        QFETCH(QString, browser);
        QFETCH(bool, fails);
        const QByteArray xdgScript = xdgOpen.toUtf8();
        const QByteArray browserScript = browser.toUtf8();
        const FakePath path(xdgOpen.isEmpty() ? nullptr : xdgScript.constData(),
                            browser.isEmpty() ? nullptr : browserScript.constData());
        ui::BrowserLauncher launcher;
        int failures = 0;
        launcher.open(kVideo, [&failures] { ++failures; });
        if (fails) {
            QTRY_COMPARE(failures, 1);
        } else {
            QFile handed(path.file("handed.url"));
            QTRY_VERIFY(handed.exists() && handed.size() > 0);
            QVERIFY(handed.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(handed.readAll()).trimmed(), kVideo.toString());
            QTest::qWait(50);
            QCOMPARE(failures, 0);
        }
    }
};

QTEST_MAIN(TestBoxes)
#include "test_boxes.moc"
