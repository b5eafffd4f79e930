#include "ByteList.h"
#include "app/AboutDialog.h"
#include "app/LanguageNames.h"
#include "app/Startup.h"
#include "config/ConfigFile.h"
#include "media/CameraLabel.h"

#include "ModalAnswerer.h"
#include "ShownTexts.h"
#include "WindowTest.h"

#include <QtTest>
#include <QtWidgets>

class tst_Specula : public WindowTest
{
    Q_OBJECT

private:
    QWidget *widget(const char *name) const { return child<QWidget>(name); }
    QAction *action(const char *name) const { return child<QAction>(name); }
    QList<QAction *> languageActions() const { return child<QMenu>("menuLang")->actions(); }
    QList<int> checkedLanguages() const
    {
        QList<int> checked;
        const QList<QAction *> actions = languageActions();
        for (int i = 0; i < actions.size(); ++i)
            if (actions.at(i)->isChecked())
                checked.append(i);
        return checked;
    }
    bool frameShown() const
    {
        return widget("mainMenuBar")->isVisible() && widget("headFrame")->isVisible() &&
               widget("rightStackWidget")->isVisible();
    }
    bool frameHidden() const
    {
        return widget("mainMenuBar")->isHidden() && widget("headFrame")->isHidden() &&
               widget("rightStackWidget")->isHidden();
    }
    QLabel *tip() const { return child<QLabel>("labelFullScreenTip"); }

    // The language menu's codes, in its order.
    const QStringList m_codes{"",   "en", "zh", "fr", "it", "ja", "ko", "ru",
                              "de", "es", "pt", "nl", "pl", "uk", "lt", "hu"};

    /// Everything the window shows in words except the language entries (which name each
    /// language in its own tongue), plus the scene's no-camera notice.
    QVector<ShownText> windowTexts() const
    {
        const QList<QAction *> languages = languageActions();
        QVector<ShownText> texts =
            shownTexts(m_window, [&languages](QAction *a) { return languages.contains(a); });
        texts.append({QStringLiteral("scene"), CameraScene::offlineText()});
        return texts;
    }
    static QStringList inChinese(const QVector<ShownText> &texts)
    {
        QStringList found;
        for (const ShownText &t : texts)
            if (hasHan(t.text))
                found.append(t.owner + QStringLiteral(": ") + t.text);
        return found;
    }
    /// Texts cut off on each page of the side panel, and in the texts drawn at a fixed width.
    QStringList clippedOnEveryPage()
    {
        QStringList clipped;
        for (const char *button : {"btnOpenDir", "btnCalib", "btnSetting"}) {
            QTest::mouseClick(child<QToolButton>(button), Qt::LeftButton);
            clipped += clippedTexts(m_window);
        }
        // The camera page's fold-out groups, each unfolded in turn. Exposure and white balance
        // are offered only with a camera that has them, and without a camera the panel is
        // disabled; their texts must fit all the same.
        QWidget *params = widget("cameraParamWidget");
        const bool enabled = params->isEnabled();
        params->setEnabled(true);
        for (const char *name : {"btnBaoGuang", "btnColor", "btnBlance", "btnResever"}) {
            auto *button = child<QPushButton>(name);
            const bool offered = button->isVisible();
            button->show();
            button->click();
            QCoreApplication::processEvents(); // lays the unfolded group out
            clipped += clippedTexts(m_window);
            button->click(); // folds it in again
            button->setVisible(offered);
        }
        params->setEnabled(enabled);
        // The measurement panel's calibration page, and back.
        QTest::mouseClick(child<QToolButton>("btnCalib"), Qt::LeftButton);
        child<QPushButton>("btnBDEdit")->click();
        QCoreApplication::processEvents();
        clipped += clippedTexts(m_window);
        child<QPushButton>("btnBDBack")->click();
        // The measuring tools whole at the first start's 800 x 600: inside their grid, on
        // top of no other button, and not cut off by the panel.
        const QSize size = m_window->size();
        m_window->resize(800, 600);
        QCoreApplication::processEvents();
        const auto tools = child<QWidget>("bdWidget")->findChild<QWidget *>("toolButtonWidget");
        const QList<QToolButton *> buttons = tools->findChildren<QToolButton *>();
        for (int i = 0; i < buttons.size(); ++i) {
            const QRect place = buttons.at(i)->geometry();
            bool whole = tools->rect().contains(place) &&
                         buttons.at(i)->visibleRegion().boundingRect() == buttons.at(i)->rect();
            for (int j = 0; j < i; ++j)
                whole = whole && !place.intersects(buttons.at(j)->geometry());
            if (!whole)
                clipped.append(buttons.at(i)->objectName());
        }
        m_window->resize(size);
        // The full-screen hint is 480 px wide; the freeze button 140 px.
        tip()->ensurePolished();
        const int tipWidth = tip()->fontMetrics().horizontalAdvance(tip()->text());
        if (tipWidth > 480)
            clipped.append(QStringLiteral("%1: %2 of 480 px").arg(tip()->text()).arg(tipWidth));
        auto *freeze = child<CameraLabel>("labelView1")->findChild<QPushButton *>();
        freeze->ensurePolished();
        for (const char *text : {"冻结", "解冻"}) {
            const QString shown = QCoreApplication::translate("CameraLabel", text);
            if (freeze->fontMetrics().horizontalAdvance(shown) > freeze->width() - 12)
                clipped.append(shown);
        }
        return clipped;
    }

    QVector<ShownText> m_chineseTexts;

private slots:
    void initTestCase()
    {
        prepare();
        // The clipping checks measure texts in the size Linux desktops commonly use (offscreen
        // would use 12 pt, xcb without a desktop 9 pt); DejaVu Sans is among the widest.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));

        // The program's own start, on no settings: the splash stays up, and every connection is
        // made. Most connections are made by signature text; a mistyped one only shows as a
        // warning.
        QDir(QStandardPaths::writableLocation(QStandardPaths::DataLocation)).removeRecursively();
        static QStringList connectWarnings;
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
                if (text.startsWith(QLatin1String("QObject::connect")))
                    connectWarnings.append(text);
                else if (previous)
                    previous(type, context, text);
            });
        QElapsedTimer clock;
        clock.start();
        const Specula window;
        const qint64 elapsed = clock.elapsed();
        qInstallMessageHandler(previous);
        QVERIFY2(connectWarnings.isEmpty(), qPrintable(connectWarnings.join('\n')));
        // The splash stays up at least 3000 ms, however fast the rest of the start is.
        QVERIFY2(elapsed >= 3000, qPrintable(QString::number(elapsed)));
    }

    void init()
    {
        if (newTestFunction())
            QVERIFY(freshWindow(QSize()));
    }

    void firstStart()
    {
        QCOMPARE(m_window->objectName(), QStringLiteral("SpeculaClass"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Lumivex Pro"));
        QCOMPARE(m_window->minimumSize(), QSize(800, 600));
        QCOMPARE(child<QStackedWidget>("stackMainWidget")->currentIndex(), 0);
        QCOMPARE(child<QStackedWidget>("rightStackWidget")->currentIndex(), 1);
        QCOMPARE(child<QTabWidget>("tabWidget")->currentIndex(), 0);
        QVERIFY(!scene()->isEditable());

        const Config &config = m_window->config();
        QCOMPARE(config.language, 1);
        QVERIFY(config.showTime);
        QVERIFY(action("actionTimeOn")->isChecked());
        QVERIFY(!action("actionTimeOff")->isChecked());
        QVERIFY(!action("actionCrossOn")->isChecked());
        QVERIFY(action("actionCrossOff")->isChecked());
        QCOMPARE(child<QComboBox>("boxFormatImage")->currentIndex(), 1);
        QCOMPARE(child<QComboBox>("boxFormatImage")->currentText(), QStringLiteral("jpg"));
        QCOMPARE(child<QComboBox>("boxFormatRecord")->currentText(), QStringLiteral("mp4"));

        auto *zoom = child<QComboBox>("comboZoom");
        QCOMPARE(zoom->count(), 8);
        QCOMPARE(zoom->currentText(), QStringLiteral("1.0x"));
        QCOMPARE(zoom->itemText(0), QStringLiteral("Fit"));

        QCOMPARE(languageActions().size(), 16);
        QCOMPARE(checkedLanguages(), QList<int>{1});
        QVERIFY(!action("actionSetting")->isVisible());
        QCOMPARE(action("actionAbout")->menuRole(), QAction::NoRole);
        QVERIFY(!widget("btnZoom")->isEnabled());
        QVERIFY(child<CameraLabel>("labelView2")->isChecked());
        QVERIFY(tip()->isHidden());
        QVERIFY(!QFile::exists(ConfigFile::defaultPath()));

        // A new configuration starts in English, from lang/specula_en.qm beside the program.
        QCOMPARE(child<QMenu>("menu")->title(), QStringLiteral("File"));
        QCOMPARE(tip()->text(), QStringLiteral("Press Esc to exit full screen"));
        QCOMPARE(child<QTabWidget>("tabWidget")->tabText(1), QStringLiteral("Videos"));
        QCOMPARE(languageActions().at(1)->text(), QStringLiteral("English"));
        QCOMPARE(languageActions().at(0)->text(), QStringLiteral("简体中文 (Simplified Chinese)"));
        QCOMPARE(languageActions().at(8)->text(), QStringLiteral("Deutsch (German)"));
        QCOMPARE(languageActions().at(4)->text(), QStringLiteral("Italiano (Italian)"));
        const QStringList chinese = inChinese(windowTexts());
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join('\n')));
    }

    void actionsClickTheirButtons_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("button");
        QTest::newRow("capture") << "actionCapture"
                                 << "btnCapture";
        QTest::newRow("record") << "actionRecord"
                                << "btnRecord";
        QTest::newRow("timed series") << "actionSetTime"
                                      << "btnTimeSetting";
    }

    void actionsClickTheirButtons()
    {
        QFETCH(QString, action);
        QFETCH(QString, button);
        QSignalSpy clicked(child<QToolButton>(qPrintable(button)), SIGNAL(clicked()));
        // Without a camera the buttons answer with a message box, the timed series with its
        // dialog; close whichever comes up.
        const ModalAnswerer closer({}, [](QWidget *w) {
            auto *dialog = qobject_cast<QDialog *>(w);
            if (dialog)
                dialog->reject();
            return dialog != nullptr;
        });
        child<QAction>(qPrintable(action))->trigger();
        QCOMPARE(clicked.count(), 1);
    }

    void sidePanel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("editable");
        QTest::newRow("measurement") << "btnCalib" << 2 << true;
        QTest::newRow("camera settings") << "btnSetting" << 1 << false;
        QTest::newRow("measurement again") << "btnCalib" << 2 << true;
        QTest::newRow("files") << "btnOpenDir" << 0 << false;
        QTest::newRow("files twice") << "btnOpenDir" << 0 << false;
        QTest::newRow("back to settings") << "btnSetting" << 1 << false;
    }

    void sidePanel()
    {
        QFETCH(QString, button);
        auto *clicked = child<QToolButton>(qPrintable(button));
        QTest::mouseClick(clicked, Qt::LeftButton);
        QVERIFY(clicked->isChecked());
        QTEST(child<QStackedWidget>("rightStackWidget")->currentIndex(), "page");
        QTEST(scene()->isEditable(), "editable");
    }

    void fullScreen_data()
    {
        QTest::addColumn<QString>("leaveBy");
        QTest::newRow("button") << "button";
        QTest::newRow("escape") << "escape";
        QTest::newRow("right double click") << "right double click";
    }

    void fullScreen()
    {
        QFETCH(QString, leaveBy);
        QVERIFY(!m_window->isFullScreen());

        // Escape outside full screen changes nothing.
        QTest::keyClick(m_window, Qt::Key_Escape);
        QVERIFY(!m_window->isFullScreen());
        QVERIFY(frameShown());

        QTest::mouseClick(child<QToolButton>("btnFullScreen"), Qt::LeftButton);
        QVERIFY(m_window->isFullScreen());
        QVERIFY(frameHidden());
        QVERIFY(tip()->isVisible());
        QTRY_COMPARE(tip()->geometry(), QRect(10, m_window->height() - 240, 480, 200));
        // A left double click is not a way out.
        QTest::mouseDClick(m_window, Qt::LeftButton);
        QVERIFY(m_window->isFullScreen());

        if (leaveBy == "button")
            m_window->onBtnFullScreen();
        else if (leaveBy == "escape")
            QTest::keyClick(m_window, Qt::Key_Escape);
        else
            QTest::mouseDClick(m_window, Qt::RightButton);
        QVERIFY(!m_window->isFullScreen());
        QVERIFY(frameShown());
        QVERIFY(tip()->isHidden());
    }

    void platformChangesFullScreen()
    {
        // The window manager ends full screen on its own: the frame comes back.
        m_window->onBtnFullScreen();
        QVERIFY(frameHidden());
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowFullScreen);
        QTRY_VERIFY(frameShown());
        QVERIFY(tip()->isHidden());

        // ... or puts the window into full screen: the frame goes away and the hint shows.
        m_window->setWindowState(m_window->windowState() | Qt::WindowFullScreen);
        QTRY_VERIFY(frameHidden());
        QVERIFY(tip()->isVisible());
        QTest::keyClick(m_window, Qt::Key_Escape);
        QVERIFY(frameShown());
    }

    void overlays()
    {
        // Each pair of entries is one choice.
        const auto chosen = [this](const char *on, const char *off) {
            return action(on)->isChecked() && !action(off)->isChecked();
        };
        action("actionTimeOff")->trigger();
        QVERIFY(!m_window->config().showTime);
        QVERIFY(chosen("actionTimeOff", "actionTimeOn"));
        action("actionTimeOn")->trigger();
        QVERIFY(m_window->config().showTime);
        QVERIFY(chosen("actionTimeOn", "actionTimeOff"));

        action("actionCrossOn")->trigger();
        QVERIFY(chosen("actionCrossOn", "actionCrossOff"));
        // Triggering the checked entry again keeps it checked.
        action("actionCrossOn")->trigger();
        QVERIFY(chosen("actionCrossOn", "actionCrossOff"));
        action("actionCrossOff")->trigger();
        QVERIFY(chosen("actionCrossOff", "actionCrossOn"));
        QVERIFY(m_window->config().showTime);
    }

    void everyLanguage_data()
    {
        QTest::addColumn<int>("index");
        // Chinese first: it records the source texts the others are compared with.
        for (int i = 0; i < m_codes.size(); ++i)
            QTest::newRow(i == 0 ? "zh_CN" : qPrintable(m_codes.at(i))) << i;
    }

    // Each language changes what the window shows, checks its own entry only, and fits.
    void everyLanguage()
    {
        QFETCH(int, index);
        languageActions().at(index)->trigger();
        // Panels with forms of their own retranslate on the LanguageChange event the
        // application posts; the event loop delivers it before the user sees anything.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(m_window->config().language, index);
        QCOMPARE(checkedLanguages(), QList<int>{index});
        // Each entry starts with the language's own name; the one in force shows only that.
        for (int i = 0; i < m_codes.size(); ++i)
            QVERIFY(languageActions().at(i)->text().startsWith(nativeLanguageName(m_codes.at(i))));
        QCOMPARE(languageActions().at(index)->text(), nativeLanguageName(m_codes.at(index)));

        const QVector<ShownText> texts = windowTexts();
        if (index == 0) {
            // No translator: the source texts.
            m_chineseTexts = texts;
            QCOMPARE(QCoreApplication::translate("SpeculaClass", "文件"), QStringLiteral("文件"));
            QCOMPARE(child<QMenu>("menu")->title(), QStringLiteral("文件"));
            QCOMPARE(tip()->text(), QStringLiteral("按ESC退出全屏"));
            QCOMPARE(child<QComboBox>("comboZoom")->itemText(0), QStringLiteral("适合窗口"));
            QCOMPARE(languageActions().at(8)->text(), QStringLiteral("Deutsch (德语)"));
        } else {
            QCOMPARE(texts.size(), m_chineseTexts.size());
            // Chinese and Japanese write with Han characters too: there, most texts change.
            const QString code = m_codes.at(index);
            const bool writesHan = code == QLatin1String("zh") || code == QLatin1String("ja");
            int chinese = 0;
            QStringList unchanged;
            for (int i = 0; i < texts.size(); ++i) {
                if (!hasHan(m_chineseTexts.at(i).text))
                    continue;
                ++chinese;
                if (texts.at(i).text == m_chineseTexts.at(i).text)
                    unchanged.append(texts.at(i).owner + QStringLiteral(": ") + texts.at(i).text);
            }
            QVERIFY2(chinese > 30, qPrintable(QString::number(chinese)));
            if (writesHan) {
                QVERIFY2(unchanged.size() * 4 < chinese, qPrintable(unchanged.join('\n')));
            } else {
                const QStringList left = inChinese(texts);
                QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
            }
        }
        const QStringList clipped = clippedOnEveryPage();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
    }

    void languageEdgeCases()
    {
        // Choosing the language in force again keeps one entry checked.
        languageActions().at(7)->trigger();
        languageActions().at(7)->trigger();
        QCOMPARE(checkedLanguages(), QList<int>{7});

        // "中文" takes the translator out again: the form shows its source texts.
        languageActions().at(0)->trigger();
        QCOMPARE(child<QMenu>("menu")->title(), QStringLiteral("文件"));
        QCOMPARE(QCoreApplication::translate("Specula", "按ESC退出全屏"),
                 QStringLiteral("按ESC退出全屏"));
        QCOMPARE(checkedLanguages(), QList<int>{0});

        // A stored index outside the table falls back to English.
        for (int outside : {16, -1, 1000}) {
            m_window->switchLang(outside);
            QCOMPARE(m_window->config().language, 1);
            QCOMPARE(checkedLanguages(), QList<int>{1});
            QCOMPARE(child<QMenu>("menu")->title(), QStringLiteral("File"));
        }
    }

    // Dialogs follow the language too (English here).
    void messageBoxSpeaksTheLanguage()
    {
        QString texts;
        const ModalAnswerer answers{[&texts](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box)
                return false;
            texts = box->text();
            for (QAbstractButton *button : box->buttons())
                texts += '|' + button->text();
            return pressButton(QMessageBox::Ok)(box);
        }};
        QVERIFY(!m_window->checkCam()); // no camera in this test
        QCOMPARE(texts, QStringLiteral("The camera is not running.|OK"));
    }

    void aboutDialog()
    {
        QPointer<AboutDialog> seen;
        bool modal = false;
        QString texts;
        const ModalAnswerer answers{[&](QWidget *w) {
            auto *dialog = qobject_cast<AboutDialog *>(w);
            if (!dialog)
                return false;
            seen = dialog;
            modal = dialog->isModal();
            for (QLabel *label : dialog->findChildren<QLabel *>())
                texts += label->text() + '\n';
            dialog->accept();
            return true;
        }};
        action("actionAbout")->trigger();
        QCOMPARE(answers.pending(), 0);
        QVERIFY(modal);
        QVERIFY(texts.contains(QStringLiteral("Lumivex Pro")));
        QVERIFY(texts.contains(QStringLiteral(LUMIVEX_VERSION)));
        QVERIFY2(!hasHan(texts), qPrintable(texts)); // in English
        QVERIFY(seen.isNull());                      // lives only while it is shown
    }

    void closeWritesSettingsAndNextStartReadsThem()
    {
        action("actionTimeOff")->trigger();
        languageActions().at(0)->trigger();
        const Config expected = m_window->config();

        action("actionExit")->trigger();
        QVERIFY(!m_window->isVisible());
        closeWindow();

        const QString path = ConfigFile::defaultPath();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        ByteList head;
        head.u32(5).i32(48).i32(24).i32(360).i32(200).i32(123); // signature
        head.nullStr();                                         // no current camera
        head.boolean(false).i32(0);                             // time overlay off, Chinese
        head.i32(0).i32(0).i32(-1).i32(-1);                     // the spare rectangle
        head.str(expected.imageDir);
        COMPARE_BYTES(bytes.left(head.size()), head.bytes());

        Config stored;
        QCOMPARE(ConfigFile::load(path, stored), ConfigFile::LoadResult::Loaded);
        QVERIFY(!stored.showTime);
        QCOMPARE(stored.language, 0);
        QCOMPARE(stored.imageSubDir, QStringLiteral("Photo"));
        QCOMPARE(stored.movieSubDir, QStringLiteral("Video"));

        // Values a damaged or foreign file could hold are brought back to the defaults.
        stored.language = 99;
        stored.imageFormat = 7;
        stored.movieFormat = -2;
        QVERIFY(ConfigFile::save(path, stored));

        QVERIFY(restart());
        QVERIFY(!m_window->config().showTime);
        QVERIFY(action("actionTimeOff")->isChecked());
        QVERIFY(!action("actionTimeOn")->isChecked());
        QCOMPARE(m_window->config().language, 1);
        QCOMPARE(checkedLanguages(), QList<int>{1});
        QCOMPARE(m_window->config().imageFormat, 1);
        QCOMPARE(child<QComboBox>("boxFormatImage")->currentIndex(), 1);
        QCOMPARE(child<QComboBox>("boxFormatRecord")->currentIndex(), 0);
        QVERIFY(!QFile::exists(path + ".bad"));
    }

    void languageSurvivesRestart_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("de") << 8;
        QTest::newRow("ja") << 5;
        QTest::newRow("uk") << 13;
    }

    void languageSurvivesRestart()
    {
        QFETCH(int, index);
        languageActions().at(index)->trigger();
        const QString fileMenu = child<QMenu>("menu")->title();
        QVERIFY(fileMenu != QStringLiteral("文件"));
        QVERIFY(restart()); // the old window writes the settings as it closes
        QCOMPARE(m_window->config().language, index);
        QCOMPARE(checkedLanguages(), QList<int>{index});
        QCOMPARE(child<QMenu>("menu")->title(), fileMenu);
    }
};

QTEST_MAIN(tst_Specula)
#include "tst_specula.moc"
