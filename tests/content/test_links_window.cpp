// The links window: hover underlines a link and leaving removes it; a click hands the link's
// address to the desktop; the logo opens the same page as "KhanAcademy".

#include <QAccessible>
#include <QtTest>

#include "content/links_window.h"
#include "tests/support/box_closer.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/controls.h"

class LinksWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { testing_support::installFontsAsAtStartUp(); }

    void init() {
        desktop_.clear();
        window_ = std::make_unique<TForm3>(desktop_);
        window_->Show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void addressesOfTheLinks_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");  // a part of the address
        QTest::newRow("Label1") << "Label1"
                                << "t=358";
        QTest::newRow("Label2") << "Label2"
                                << "t=509";
        QTest::newRow("Label3") << "Label3"
                                << "compliance";
        QTest::newRow("Label4") << "Label4"
                                << "https://www.khanacademy.org/";
        QTest::newRow("Image1") << "Image1"
                                << "https://www.khanacademy.org/";
    }
    void addressesOfTheLinks() {
        QFETCH(QString, control);
        QFETCH(QString, expected);
        QWidget* const widget = window_->control(control);
        QVERIFY(widget);
        QVERIFY(window_->hasHandler(control + QStringLiteral("Click")));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(desktop_.urls.size(), std::size_t{1});
        QVERIFY(desktop_.urls[0].isValid());
        QVERIFY(desktop_.urls[0].toString().contains(expected));
        QCOMPARE(desktop_.urls[0], TForm3::linkOf(qPrintable(control)));
        // A second click opens it again; nothing is remembered.
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(desktop_.urls.size(), std::size_t{2});
        QCOMPARE(desktop_.urls[1], desktop_.urls[0]);
    }

    void logoAndKhanAcademyOpenTheSamePage() {
        QTest::mouseClick(window_->control(QStringLiteral("Label4")), Qt::LeftButton, {},
                          QPoint(5, 5));
        QTest::mouseClick(window_->control(QStringLiteral("Image1")), Qt::LeftButton, {},
                          QPoint(150, 150));
        QCOMPARE(desktop_.urls.size(), std::size_t{2});
        QCOMPARE(desktop_.urls[0], desktop_.urls[1]);
        QCOMPARE(desktop_.urls[0], QUrl(QStringLiteral("https://www.khanacademy.org/")));
    }

    void fourDistinctAddresses() {
        QSet<QString> addresses;
        for (const TForm3::Link& link : TForm3::links()) addresses.insert(link.url);
        QCOMPARE(addresses.size(), 4);
    }

    void headingIsNoLink() {
        QWidget* const heading = window_->control(QStringLiteral("Label5"));
        QTest::mouseMove(heading, QPoint(5, 5));
        QTest::mouseClick(heading, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(desktop_.urls.empty());
        QVERIFY(!heading->font().underline());
        QCOMPARE(heading->cursor().shape(), Qt::ArrowCursor);
    }

    void hoverUnderlinesAndLeaveRemoves_data() {
        QTest::addColumn<QString>("control");
        for (const char* name : {"Label1", "Label2", "Label3", "Label4"})
            QTest::newRow(name) << name;
    }
    void hoverUnderlinesAndLeaveRemoves() {
        QFETCH(QString, control);
        auto* const label = window_->control<ui::Label>(control);
        QVERIFY(window_->hasHandler(control + QStringLiteral("MouseMove")));
        QVERIFY(window_->hasHandler(control + QStringLiteral("MouseLeave")));
        QVERIFY(!label->font().underline());
        QTest::mouseMove(window_.get(), label->geometry().center());
        QTRY_VERIFY(label->font().underline());
        QVERIFY(label->font().bold());  // bold stays
        // Further moves change nothing.
        QTest::mouseMove(window_.get(), label->geometry().center() + QPoint(3, 0));
        QVERIFY(label->font().underline());
        QVERIFY(label->font().bold());
        // Leaving to an empty part of the window removes the underline.
        QTest::mouseMove(window_.get(), QPoint(20, 300));
        QTRY_VERIFY(!label->font().underline());
        QVERIFY(label->font().bold());
    }

    // Straight from one link to the next: the underline never stays on the one left behind.
    void movingBetweenLinks() {
        const QStringList order{QStringLiteral("Label1"), QStringLiteral("Label2"),
                                QStringLiteral("Label3"), QStringLiteral("Label4"),
                                QStringLiteral("Label1")};
        for (const QString& name : order) {
            auto* const label = window_->control<ui::Label>(name);
            QTest::mouseMove(window_.get(), label->geometry().center());
            QTRY_VERIFY(label->font().underline());
            for (const QString& other : order) {
                if (other != name)
                    QVERIFY2(!window_->control(other)->font().underline(), qPrintable(other));
            }
        }
    }

    // Leave events delivered directly to the label behave the same way.
    void leaveEventRemovesUnderline() {
        auto* const label = window_->control<ui::Label>(QStringLiteral("Label2"));
        QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), label->mapToGlobal(QPointF(4, 4)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &move);
        QVERIFY(label->font().underline());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(label, &leave);
        QVERIFY(!label->font().underline());
    }

    // Closed (Alt+F4) while the pointer was on a link: shown again, no link is underlined.
    void underlineDoesNotOutliveTheWindow() {
        auto* const label = window_->control<ui::Label>(QStringLiteral("Label1"));
        QTest::mouseMove(window_.get(), QPoint(20, 300));
        QTest::mouseMove(window_.get(), label->geometry().center());
        QTRY_VERIFY(label->font().underline());
        window_->Close();
        QVERIFY(!window_->isVisible());
        QVERIFY(!label->font().underline());
        QVERIFY(label->font().bold());
        window_->Show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        for (ui::Label* const link : window_->findChildren<ui::Label*>())
            QVERIFY2(!link->font().underline(), qPrintable(link->objectName()));
    }

    // With the keyboard only: Tab goes through the links from the top, Enter or Space opens.
    void keyboardTour() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        const QStringList order{"Label4", "Label1", "Label2", "Label3", "Image1"};
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* const focused = QApplication::focusWidget();
            QCOMPARE(focused->objectName(), order[i]);
            QTest::keyClick(focused, i % 2 ? Qt::Key_Space : Qt::Key_Return);
            QCOMPARE(desktop_.urls.size(), std::size_t(i + 1));
            QCOMPARE(desktop_.urls.back(), TForm3::linkOf(qPrintable(order[i])));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // round again
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Label4"));
    }

    void screenReaders_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("Label4") << "Label4"
                                << "KhanAcademy";
        QTest::newRow("Label1") << "Label1"
                                << "Что такое кровяное давление?";
        QTest::newRow("Image1") << "Image1"
                                << "Логотип KhanAcademy";
    }
    void screenReaders() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QAccessibleInterface* const iface =
            QAccessible::queryAccessibleInterface(window_->control(control));
        QCOMPARE(iface->role(), QAccessible::Link);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(QAccessible::queryAccessibleInterface(window_->control("Label5"))->role(),
                 QAccessible::StaticText);  // the heading
    }

    // No browser: the click brings up the error box with the link's address.
    void unopenedLinkIsReported() {
        QList<QUrl> handed;
        ui::QtDesktop failing([&handed](const QUrl& url, const std::function<void()>& failed) {
            handed << url;
            failed();
        });
        TForm3 window(failing);
        window.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const testing_support::BoxCloser closer;
        QTest::mouseClick(window.control("Label2"), Qt::LeftButton, {}, QPoint(5, 5));
        const QUrl address = TForm3::linkOf("Label2");
        QCOMPARE(handed, QList<QUrl>{address});
        QTRY_COMPARE(closer.seen().size(), 1u);
        QCOMPARE(closer.seen()[0].icon, QMessageBox::Critical);
        QVERIFY(closer.seen()[0].rawText.split('\n').contains(address.toString()));
        QVERIFY(closer.seen()[0].selectable);
        QVERIFY(window.isVisible());  // the program goes on
    }

  private:
    testing_support::RecordingDesktop desktop_;
    std::unique_ptr<TForm3> window_;
};

QTEST_MAIN(LinksWindowTest)
#include "test_links_window.moc"
