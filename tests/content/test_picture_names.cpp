// What a screen reader says for each picture: a figure's caption, a formula's number and its
// equation, the circulatory system of the title window; the logo is a link.

#include <QAccessible>
#include <QtTest>
#include <functional>
#include <memory>

#include "content/links_window.h"
#include "content/theory_pages.h"
#include "content/title_window.h"
#include "tests/support/recording_desktop.h"
#include "ui/controls.h"

namespace {

using Maker = std::function<std::unique_ptr<ui::Form>(ui::Desktop&)>;

template <class T>
Maker maker() {
    return [](ui::Desktop& desktop) { return std::make_unique<T>(desktop); };
}

}  // namespace

Q_DECLARE_METATYPE(Maker)

class TestPictureNames : public QObject {
    Q_OBJECT
  private slots:
    void names_data() {
        QTest::addColumn<Maker>("make");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("start");   // how the name begins
        QTest::addColumn<QString>("inside");  // and something it holds
        QTest::addColumn<int>("role");
        const int graphic = QAccessible::Graphic;
        QTest::newRow("title") << maker<TForm1>() << "Image2"
                               << "Кровеносная система"
                               << "артерии" << graphic;
        QTest::newRow("logo") << maker<TForm3>() << "Image1"
                              << "Логотип"
                              << "KhanAcademy" << int(QAccessible::Link);
        QTest::newRow("figure 1") << maker<TForm4>() << "Image1"
                                  << "Рис. 1."
                                  << "упругого резервуара" << graphic;
        QTest::newRow("figure 2") << maker<TForm5>() << "Image1"
                                  << "Рис. 2."
                                  << "сердечного цикла" << graphic;
        QTest::newRow("equation 2") << maker<TForm6>() << "Image1"
                                    << "Формула (2)"
                                    << "dV/dt = C·dP/dt" << graphic;
        QTest::newRow("equation 3") << maker<TForm6>() << "Image2"
                                    << "Формула (3)"
                                    << "Q0(t)" << graphic;
        QTest::newRow("equation 4") << maker<TForm6>() << "Image3"
                                    << "Формула (4)"
                                    << "Pв" << graphic;
        QTest::newRow("equation 5") << maker<TForm6>() << "Image4"
                                    << "Формула (5)"
                                    << "P(t)/R" << graphic;
        QTest::newRow("equation 6") << maker<TForm6>() << "Image5"
                                    << "Формула (6)"
                                    << "C·dP/dt + P(t)/R" << graphic;
        QTest::newRow("equations 7, 8") << maker<TForm6>() << "Image6"
                                        << "Формула (7)"
                                        << "формула (8)" << graphic;
        QTest::newRow("equations 9, 10") << maker<TForm7>() << "Image1"
                                         << "Формула (9)"
                                         << "формула (10)" << graphic;
        QTest::newRow("figure 3") << maker<TForm8>() << "Image1"
                                  << "Рис. 3."
                                  << "аортального клапана" << graphic;
    }
    void names() {
        QFETCH(Maker, make);
        QFETCH(QString, box);
        QFETCH(QString, start);
        QFETCH(QString, inside);
        QFETCH(int, role);
        testing_support::RecordingDesktop desktop;
        const auto window = make(desktop);
        auto* const picture = window->control<ui::PictureBox>(box);
        QVERIFY(picture);
        QAccessibleInterface* const iface = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(int(iface->role()), role);
        const QString name = iface->text(QAccessible::Name);
        QVERIFY2(name.startsWith(start) && name.contains(inside), qPrintable(name));
    }
};

QTEST_MAIN(TestPictureNames)
#include "test_picture_names.moc"
