// The study menu, the theory-completed window and the model menu against their layout.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "content/model_menu.h"
#include "content/study_menu.h"
#include "content/theory_completed.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/controls.h"
#include "ui/desktop.h"

class TestMenus : public QObject {
    Q_OBJECT

  private slots:
    void controls_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");  // width 0: sizes itself to its text
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("px");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<int>("cursor");
        const int hand = Qt::PointingHandCursor;
        const int arrow = Qt::ArrowCursor;
        const QString ms = "MS Sans Serif";
        const QString tnr = "Times New Roman";
        QTest::newRow("2.1") << "Form2"
                             << "Button1" << QRect(72, 24, 345, 129) << "Мультимедийная поддержка"
                             << ms << 19 << false << false << hand;
        QTest::newRow("2.2") << "Form2"
                             << "Button2" << QRect(72, 192, 345, 129) << "Знакомство с теорией"
                             << ms << 19 << false << false << hand;
        QTest::newRow("2.3") << "Form2"
                             << "Button3" << QRect(72, 360, 345, 129) << "Исследование модели" << ms
                             << 19 << false << false << hand;
        QTest::newRow("14.L1") << "Form14"
                               << "Label1" << QRect(32, 104, 0, 0)
                               << "Поздравляем с успешным изучением теоретической части!!!"
                               << "Segoe Script" << 21 << true << false << arrow;
        QTest::newRow("14.L2") << "Form14"
                               << "Label2" << QRect(176, 176, 0, 0) << "теперь Вы готовы к практике"
                               << "Segoe Script" << 24 << true << false << arrow;
        QTest::newRow("14.B1") << "Form14"
                               << "Button1" << QRect(184, 272, 377, 57)
                               << "Приступить к изучение модели" << ms << 16 << true << false
                               << hand;
        QTest::newRow("15.L1")
            << "Form15"
            << "Label1" << QRect(232, 56, 0, 0)
            << "Исследование зависимости давления в аорте от параметров системы кровообращения:"
            << tnr << 24 << true << false << arrow;
        QTest::newRow("15.L2") << "Form15"
                               << "Label2" << QRect(80, 152, 0, 0) << "В систолу:" << tnr << 24
                               << true << true << arrow;
        QTest::newRow("15.L3") << "Form15"
                               << "Label3" << QRect(628, 152, 0, 0) << "В диастолу:" << tnr << 24
                               << true << true << arrow;
        QTest::newRow("15.L4") << "Form15"
                               << "Label4" << QRect(1016, 152, 0, 0) << "Сердечный цикл:" << tnr
                               << 24 << true << true << arrow;
        QTest::newRow("15.B6") << "Form15"
                               << "Button6" << QRect(44, 224, 337, 49)
                               << "Периферического сопротивления (\u0425)" << ms << 13 << true
                               << false << hand;
        QTest::newRow("15.B5") << "Form15"
                               << "Button5" << QRect(44, 312, 337, 49)
                               << "Эластичности стенок крупных сосудов (\u0421)" << ms << 13 << true
                               << false << hand;
        QTest::newRow("15.B3") << "Form15"
                               << "Button3" << QRect(40, 408, 449, 49)
                               << "Объемной скорости поступления крови в аорту (Qmax)" << ms << 13
                               << true << false << hand;
        QTest::newRow("15.B1") << "Form15"
                               << "Button1" << QRect(496, 224, 337, 49)
                               << "Периферического сопротивления (\u0425)" << ms << 13 << true
                               << false << arrow;
        QTest::newRow("15.B7") << "Form15"
                               << "Button7" << QRect(502, 312, 333, 49)
                               << "Эластичности стенок крупных сосудов (\u0421)" << ms << 13 << true
                               << false << hand;
        QTest::newRow("15.B4") << "Form15"
                               << "Button4" << QRect(940, 216, 337, 49)
                               << "Периферического сопротивления (\u0425)" << ms << 13 << true
                               << false << hand;
        QTest::newRow("15.B2") << "Form15"
                               << "Button2" << QRect(944, 312, 337, 49)
                               << "Эластичности стенок крупных сосудов (C)" << ms << 13 << true
                               << false << hand;
    }
    void controls() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(int, px);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(int, cursor);
        ui::Form* const form = this->window(window);
        ui::layOutTexts(form);  // as when first shown
        QWidget* const widget = form->control(name);
        QVERIFY(widget);
        if (geometry.width() == 0) {
            QCOMPARE(widget->pos(), geometry.topLeft());
            QCOMPARE(widget->size(), widget->sizeHint());  // sized to its text, nothing cut
        } else {
            QCOMPARE(widget->geometry(), geometry);
        }
        if (auto* const button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), text);
        } else {
            QCOMPARE(qobject_cast<QLabel*>(widget)->text(), text);
        }
        QCOMPARE(widget->font().family(), family);
        QCOMPARE(widget->font().pixelSize(), px);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->font().italic(), italic);
        QCOMPARE(int(widget->cursor().shape()), cursor);
    }

    void tabOrder_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Form2") << "Form2" << QStringList{"Button1", "Button2", "Button3"};
        QTest::newRow("Form15") << "Form15"
                                << QStringList{"Button2", "Button3", "Button4", "Button5",
                                               "Button6", "Button7", "Button1"};
    }
    void tabOrder() {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        ui::Form* const form = this->window(window);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTRY_COMPARE(
            QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
            order.front());
        for (const QString& next : order.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
        form->hide();
    }

    void windowFontAndMappedFamiliesCoverCyrillic() {
        QCOMPARE(studyMenu_.font().family(), QString("MS Sans Serif"));
        QCOMPARE(studyMenu_.font().pixelSize(), 11);
        for (const ui::FontMapping& m : ui::fontMappings()) {
            const QFontInfo info(QFont(QString::fromLatin1(m.designed)));
            QVERIFY2(info.family().startsWith(
                         QString::fromLatin1(m.builtIn ? m.builtIn : m.replacement)),
                     qPrintable(info.family()));
            const QFontMetrics metrics{QFont(QString::fromLatin1(m.designed))};
            for (const QChar c : QString("АЯаяЁёХхС")) QVERIFY2(metrics.inFont(c), m.designed);
        }
    }

  private:
    ui::Form* window(const QString& name) {
        if (name == "Form2") return &studyMenu_;
        if (name == "Form14") return &completed_;
        return &modelMenu_;
    }

    testing_support::RecordingDesktop desktop_;
    TForm2 studyMenu_{desktop_};
    TForm14 completed_{desktop_};
    TForm15 modelMenu_{desktop_};
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    testing_support::installFontsAsAtStartUp();
    TestMenus test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_menus.moc"
