// The main window as Qt built it: the rules its description must keep.
#include "fixture.h"
#include "toolkit/qt/twips.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

class TestWindow_ : public QObject {
    Q_OBJECT

    static QWidget* control(const TestWindow& t, const char* name)
    {
        auto* widget = t.w.findChild<QWidget*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    static bool card_pair(const QWidget* a, const QWidget* b)
    {
        const QString x = a->objectName(), y = b->objectName();
        return x.section(QLatin1Char('_'), 1) == y.section(QLatin1Char('_'), 1) && x.startsWith(QLatin1String("btn")) &&
               x.section(QLatin1Char('_'), 0, 0) != y.section(QLatin1Char('_'), 0, 0);
    }

private slots:
    void initTestCase()
    {
        // The offscreen screen has 96 dpi: 15 twips a pixel.
        QCOMPARE(tk::twips_per_pixel(), 15.0);
    }

    void cards_stand_on_their_grid()
    {
        TestWindow t;
        for (int i = 0; i < game::cells; ++i) {
            const int row = i / 10, column = i % 10;
            const QRect expected = tk::qt::to_pixels(300 + 825 * column, 300 + 825 * row, 700, 700);
            QCOMPARE(t.face(i)->geometry(), expected);
            QCOMPARE(t.back(i)->geometry(), expected);
            QCOMPARE(t.face(i)->parentWidget(), control(t, "Frame1"));
            QCOMPARE(t.back(i)->parentWidget(), control(t, "Frame1"));
            QCOMPARE(t.back(i)->property("Index").toInt(), i);
        }
        // Spot values: cells 0, 9, 10, 45 and 59 in pixels at 15 twips each.
        QCOMPARE(t.back(0)->geometry(), QRect(20, 20, 47, 47));
        QCOMPARE(t.back(9)->geometry().topLeft(), QPoint(515, 20));
        QCOMPARE(t.back(10)->geometry().topLeft(), QPoint(20, 75));
        QCOMPARE(t.back(45)->geometry().topLeft(), QPoint(295, 240));
        QCOMPARE(t.back(59)->geometry().bottomRight(), QPoint(561, 341));
    }

    void each_back_lies_above_its_face_and_nothing_else_overlaps()
    {
        TestWindow t;
        std::vector<QWidget*> containers{&t.w, control(t, "Frame1"), control(t, "Frame2"), control(t, "Frame3")};
        for (QWidget* container : containers) {
            const QList<QWidget*> children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (qsizetype a = 0; a < children.size(); ++a) {
                for (qsizetype b = a + 1; b < children.size(); ++b) {
                    // children are in stacking order, the last on top.
                    QWidget* lower = children[a];
                    QWidget* upper = children[b];
                    const QRect overlap = lower->geometry() & upper->geometry();
                    if (overlap.isEmpty())
                        continue;
                    if (card_pair(lower, upper)) {
                        QVERIFY2(upper->objectName().startsWith(QLatin1String("btnsuperior")), qPrintable(upper->objectName()));
                        continue;
                    }
                    // Elsewhere neighbours share at most an edge of 15 twips,
                    // as the upper frames do with Frame1, a caption with its counter.
                    QVERIFY2(overlap.height() <= 1,
                             qPrintable(lower->objectName() + QLatin1Char('/') + upper->objectName()));
                }
            }
        }
        // Hiding a back uncovers its own face and no other.
        t.back(45)->hide();
        QCOMPARE(control(t, "Frame1")->childAt(t.face(45)->geometry().center()), t.face(45));
        QCOMPARE(control(t, "Frame1")->childAt(t.face(44)->geometry().center()), t.back(44));
    }

    void every_control_lies_inside_its_container()
    {
        TestWindow t;
        const QList<QWidget*> all = t.w.findChildren<QWidget*>();
        int named = 0;
        for (QWidget* widget : all) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
                continue;  // a widget's own parts, such as a text box's viewport
            ++named;
            const QRect inside = widget->parentWidget()->rect();
            QVERIFY2(inside.contains(widget->geometry()), qPrintable(widget->objectName()));
        }
        QCOMPARE(named, 133);  // 135 controls, less the timer and the image list
        QVERIFY(t.w.findChild<QTimer*>(QStringLiteral("Timer1")));
        QCOMPARE(int{t.f.imglist1.count()}, 30);
    }

    void tab_order_is_as_described()
    {
        TestWindow t;
        QStringList expected{"Frame1", "Frame2", "btniniciar", "btnsalir", "Frame3", "Label1", "Label2", "txtacertados", "txtfallados"};
        for (int i = 0; i < 60; ++i)
            expected << QStringLiteral("btnimagen_%1").arg(i);
        expected << "txttiempo" << "Label3";
        for (int i = 0; i < 60; ++i)
            expected << QStringLiteral("btnsuperior_%1").arg(i);
        expected << "Label5" << "btndetener";

        // Every control keeps its tab index; buttons and text boxes are tab
        // stops, chained in that order.
        QStringList stops;
        for (int k = 0; k < expected.size(); ++k) {
            auto* w = t.w.findChild<QWidget*>(expected[k]);
            QCOMPARE(w->property("TabIndex").toInt(), k);
            const bool stop = qobject_cast<QAbstractButton*>(w) || qobject_cast<QPlainTextEdit*>(w);
            QCOMPARE(w->focusPolicy() == Qt::StrongFocus, stop);
            if (stop)
                stops << expected[k];
        }
        QCOMPARE(stops.size(), 126);  // 120 cards, 3 buttons, 3 text boxes
        QStringList chain;
        QWidget* widget = control(t, "btniniciar");
        for (int k = 0; k < 1000 && chain.size() < stops.size(); ++k, widget = widget->nextInFocusChain())
            if (stops.contains(widget->objectName()))
                chain << widget->objectName();
        QCOMPARE(chain, stops);
    }

    void fonts_and_colours_are_as_described()
    {
        TestWindow t;
        for (const char* name : {"txtacertados", "txtfallados", "txttiempo"}) {
            auto* box = static_cast<QPlainTextEdit*>(control(t, name));
            const QFontInfo info(box->font());
            QVERIFY2(info.family() == QLatin1String("Liberation Serif") || info.family() == QLatin1String("Times New Roman"),
                     qPrintable(info.family()));
            QCOMPARE(info.pointSizeF(), 20.25);
            QCOMPARE(info.weight(), int{QFont::Normal});
            QVERIFY(!info.italic() && !info.underline() && !info.strikeOut());
            QCOMPARE(box->palette().color(QPalette::Text), QColor(255, 0, 0));
            QCOMPARE(box->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        }
        for (const char* name : {"Frame2", "Frame3"}) {
            auto* frame = static_cast<QGroupBox*>(control(t, name));
            const QFontInfo info(frame->font());
            QCOMPARE(info.pointSizeF(), 12.0);
            QVERIFY2(info.family().contains(QLatin1String("Serif")) || info.family() == QLatin1String("Times New Roman"),
                     qPrintable(info.family()));
        }
        QCOMPARE(static_cast<QGroupBox*>(control(t, "Frame1"))->title(), QString());
        for (const char* name : {"Label1", "Label2", "Label3"})
            QCOMPARE(control(t, name)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        // Nothing inherits a frame's caption font or colour.
        QCOMPARE(control(t, "Label5")->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::WindowText));
        QCOMPARE(control(t, "btniniciar")->font(), t.w.font());
        QCOMPARE(control(t, "Label1")->font(), t.w.font());
    }

    void every_caption_fits_its_control()
    {
        TestWindow t;
#ifdef Q_OS_WIN
        // Whether texts are as wide as the system shows them: offscreen, Qt
        // lays Windows' faces out with FreeType, wider at eight points than
        // Windows does, so their widths are measured on the windows platform.
        const bool shown_widths = QGuiApplication::platformName() == QLatin1String("windows");
#else
        const bool shown_widths = true;
#endif
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            auto* label = static_cast<QLabel*>(control(t, name));
            QVERIFY2(!shown_widths || label->sizeHint().width() <= label->width(), name);
            QVERIFY2(label->sizeHint().height() <= label->height(), name);
        }
        // A command button's picture stands above its caption, inside its bevel.
        for (const char* name : {"btniniciar", "btndetener", "btnsalir"}) {
            auto* button = static_cast<QAbstractButton*>(control(t, name));
            const QFontMetrics metrics(button->font());
            QVERIFY(32 + metrics.height() + 4 <= button->height());
            for (const char* caption : {"Iniciar", "Detener", "Continuar", "Salir"})
                QVERIFY2(metrics.horizontalAdvance(QLatin1String(caption)) + 4 <= button->width(), caption);
        }
    }

    // On the rendered window, a frame's borders (rows of one colour across
    // it) pass clear of every control in it, the caption's included.
    void frame_borders_pass_clear_of_their_controls()
    {
        TestWindow t;
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        const QImage shot = t.w.grab().toImage();
        const QRgb background = t.w.palette().color(QPalette::Window).rgb();
        for (const char* name : {"Frame2", "Frame3"}) {
            const QRect frame = control(t, name)->geometry();
            int borders = 0;
            for (int y = frame.top(); y <= frame.bottom(); ++y) {
                // The right half, away from the caption.
                const QRgb colour = shot.pixel(frame.center().x(), y);
                int same = 0;
                for (int x = frame.center().x(); x < frame.right() - 4; ++x)
                    same += shot.pixel(x, y) == colour;
                if (colour == background || same < (frame.right() - 4 - frame.center().x()) * 9 / 10)
                    continue;
                ++borders;
                for (QWidget* child : control(t, name)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    const QRect r = child->geometry().translated(frame.topLeft());
                    QVERIFY2(y < r.top() || y > r.bottom(), qPrintable(QStringLiteral("%1 at y %2").arg(child->objectName()).arg(y)));
                }
            }
            QVERIFY(borders >= 2);  // top and bottom
        }
    }

    // No caption runs into another text: the ink of a frame's caption drawn
    // alone and the ink of what the frame holds, drawn without it, keep at
    // least a pixel apart.
    void captions_run_into_nothing()
    {
        TestWindow t;
        t.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.w));
        for (const char* name : {"Frame2", "Frame3"}) {
            auto* frame = static_cast<QGroupBox*>(control(t, name));
            const QString caption = frame->title();
            const QList<QWidget*> held = frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            auto drawn = [&](bool with_caption, bool with_held) {
                frame->setTitle(with_caption ? caption : QString());
                for (QWidget* child : held)
                    child->setVisible(with_held);
                return frame->grab().toImage();
            };
            const QImage bare = drawn(false, false), caption_ink = drawn(true, false), held_ink = drawn(false, true);
            drawn(true, true);
            int touching = 0;
            for (int y = 1; y + 1 < bare.height(); ++y)
                for (int x = 1; x + 1 < bare.width(); ++x)
                    if (caption_ink.pixel(x, y) != bare.pixel(x, y))
                        for (int dy = -1; dy <= 1; ++dy)
                            for (int dx = -1; dx <= 1; ++dx)
                                touching += held_ink.pixel(x + dx, y + dy) != bare.pixel(x + dx, y + dy);
            QVERIFY2(touching == 0, qPrintable(QStringLiteral("%1's caption runs into what it holds").arg(QLatin1String(name))));
        }
    }

    void window_has_a_fixed_dialog_border()
    {
        TestWindow t;
        QCOMPARE(t.w.windowTitle(), QStringLiteral("KAVREL Soluciones - Duplimo"));
        const Qt::WindowFlags flags = t.w.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(t.w.minimumSize(), QSize(592, 440));  // 8880 x 6600 twips
        QCOMPARE(t.w.maximumSize(), t.w.minimumSize());
        const QList<QSize> sizes = t.w.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));
    }

    void idle_state_after_building()
    {
        TestWindow t;
        QVERIFY(show_active(t.w));
        QVERIFY(!t.f.Frame1.enabled());
        QVERIFY(t.f.btniniciar.enabled());
        QVERIFY(t.f.btnsalir.enabled());
        QVERIFY(!t.f.btndetener.enabled());
        QCOMPARE(q(t.f.btniniciar.caption()), QStringLiteral("&Iniciar"));
        QCOMPARE(q(t.f.btndetener.caption()), QStringLiteral("De&tener"));
        QCOMPARE(q(t.f.btnsalir.caption()), QStringLiteral("Sa&lir"));
        QCOMPARE(q(t.f.Label1.caption()), QStringLiteral("Acertados"));
        QCOMPARE(q(t.f.Label2.caption()), QStringLiteral("Fallados"));
        QCOMPARE(q(t.f.Label3.caption()), QStringLiteral("Tiempo"));
        for (tk::TextBox* box : {&t.f.txtacertados, &t.f.txtfallados, &t.f.txttiempo})
            QCOMPARE(q(box->text()), QString());
        QCOMPARE(q(t.f.Label5.caption()), QString());
        QCOMPARE(t.f.Timer1.interval(), 0);
        for (std::int16_t i = 0; i < game::cells; ++i) {
            QVERIFY(t.f.btnimagen(i).visible() && t.f.btnsuperior(i).visible());
            QVERIFY(t.f.btnimagen(i).picture().empty());
            QCOMPARE(q(t.f.btnsuperior(i).tag()), QString());
            QVERIFY(!t.back(i)->isEnabled());  // inside the disabled frame
        }
        QCOMPARE(QApplication::focusWidget(), control(t, "btniniciar"));
    }

    void card_pictures_are_thirty_different_ones()
    {
        TestWindow t;
        std::vector<QImage> images;
        for (std::int16_t k = 1; k <= 30; ++k) {
            t.f.btnimagen(0).set_picture(t.f.imglist1.picture(k));
            const QImage image = t.face(0)->icon().pixmap(32, 32).toImage();
            QCOMPARE(image.size(), QSize(32, 32));
            QVERIFY(image.hasAlphaChannel());
            for (const QImage& other : images)
                QVERIFY(image != other);
            images.push_back(image);
        }
        for (std::int16_t k : {0, 31, -1}) {
            try {
                t.f.imglist1.picture(k);
                QFAIL("picture outside 1..30 accepted");
            } catch (const tk::Error& e) {
                QCOMPARE(e.number(), tk::ERR_SUBSCRIPT);
            }
        }
        for (std::int16_t i : {-1, 60}) {
            try {
                t.f.btnsuperior(i);
                QFAIL("missing element accepted");
            } catch (const tk::Error& e) {
                QCOMPARE(e.number(), tk::ERR_NO_ELEMENT);
            }
        }
    }
};

QTEST_MAIN(TestWindow_)
#include "tst_window.moc"
