#include "app/IconHelp.h"
#include "app/MessageBox.h"

#include "ModalAnswerer.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The colour in the middle of a button's current icon; the test icons are plain red
// ("tstRed") and plain blue ("tstRed_Select").
QColor iconColour(const QAbstractButton *button)
{
    const QImage image = button->icon().pixmap(8, 8).toImage();
    return image.isNull() ? QColor() : image.pixelColor(4, 4);
}

// Runs `answer` on the first modal box that shows up while `open` runs.
template <typename Open, typename Answer> void whileModal(Open open, Answer answer)
{
    const ModalAnswerer answerer{[&answer](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (box)
            answer(box);
        return box != nullptr;
    }};
    open();
}

} // namespace

class tst_AppWidgets : public QObject
{
    Q_OBJECT

private slots:
    void iconFollowsPressAndRelease()
    {
        IconHelp help;
        QToolButton button;
        button.setAutoRaise(true);
        help.setButtonIcon(&button, QStringLiteral("tstRed"));
        QVERIFY(!button.autoRaise());
        QCOMPARE(help.iconPaths(&button), (QStringList{":/Specula/image/icon/tstRed.png",
                                                       ":/Specula/image/icon/tstRed_Select.png"}));
        QCOMPARE(iconColour(&button), QColor(Qt::red));

        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(iconColour(&button), QColor(Qt::blue));
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(iconColour(&button), QColor(Qt::red));
    }

    void registeringAgainReplacesThePair()
    {
        IconHelp help;
        QPushButton button;
        help.setButtonIcon(&button, QStringLiteral("tstRed"));
        help.setButtonIcon(&button, QStringLiteral("tstRed_Select"), QStringLiteral("tstRed"));
        QCOMPARE(iconColour(&button), QColor(Qt::blue));
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(iconColour(&button), QColor(Qt::red));
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(iconColour(&button), QColor(Qt::blue));
    }

    void destroyedButtonIsForgotten()
    {
        IconHelp help;
        auto *button = new QToolButton;
        help.setButtonIcon(button, QStringLiteral("tstRed"));
        const QAbstractButton *address = button;
        delete button;
        QVERIFY(help.iconPaths(address).isEmpty());
    }

    void question_data()
    {
        QTest::addColumn<QString>("press"); // the button's caption, or "escape"
        QTest::addColumn<int>("result");
        QTest::newRow("yes") << "是" << int(QMessageBox::Yes);
        QTest::newRow("no") << "否" << int(QMessageBox::No);
        QTest::newRow("escape") << "escape" << int(QMessageBox::No);
    }

    void question()
    {
        QFETCH(QString, press);
        QWidget parent;
        QString title;
        QString text;
        QStringList captions;
        int result = -1;
        whileModal([&] { result = MessageBox::question(&parent, "Title", "删除选中的文件?"); },
                   [&](QMessageBox *box) {
                       title = box->windowTitle();
                       text = box->text();
                       QAbstractButton *chosen = nullptr;
                       for (QAbstractButton *button : box->buttons()) {
                           captions.append(button->text());
                           if (button->text() == press)
                               chosen = button;
                       }
                       if (chosen)
                           chosen->click();
                       else
                           QTest::keyClick(box, Qt::Key_Escape);
                   });
        QTEST(result, "result");
        QCOMPARE(title, QStringLiteral("Title"));
        QCOMPARE(text, QStringLiteral("删除选中的文件?"));
        captions.sort();
        QCOMPARE(captions, (QStringList{"否", "是"}));
    }

    void information()
    {
        QWidget parent;
        QStringList captions;
        bool parented = false;
        bool modal = false;
        whileModal([&] { MessageBox::information(&parent, QString(), "打开文件失败"); },
                   [&](QMessageBox *box) {
                       parented = box->parentWidget() == &parent;
                       modal = box->isModal();
                       for (QAbstractButton *button : box->buttons())
                           captions.append(button->text());
                       box->buttons().first()->click();
                   });
        QVERIFY(parented);
        QVERIFY(modal);
        QCOMPARE(captions, QStringList{"确定"});
    }
};

QTEST_MAIN(tst_AppWidgets)
#include "tst_appwidgets.moc"
