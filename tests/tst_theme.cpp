// Readable in every desktop palette: every text and picture measured on the
// rendered window, in Qt's light palette, a dark one and a high-contrast
// one, each set while a game runs.
#include "fixture.h"
#include "palettes.h"
#include "toolkit/qt/contrast.h"
#include "toolkit/qt/framebox.h"
#include "toolkit/qt/look.h"
#include "toolkit/qt/messagebox.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

// WCAG 2's contrast ratio.
double contrast(QRgb a, QRgb b)
{
    auto luminance = [](QRgb c) {
        auto linear = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text as rendered: its background is the region's commonest colour, and
// its colour and contrast those of the pixel that stands out most (the
// others blend it into the background).
struct Text {
    QRgb colour = 0, background = 0;
    double ratio = 0;
};

// Whether a text pixel is colour, or colour blended into the background as
// an antialiased glyph's edge is, by at least 70 %.
bool blends(QRgb pixel, QRgb background, QRgb colour)
{
    const int p[] = {qRed(pixel), qGreen(pixel), qBlue(pixel)}, b[] = {qRed(background), qGreen(background), qBlue(background)},
              c[] = {qRed(colour), qGreen(colour), qBlue(colour)};
    int k = 0;  // the channel where colour and background differ most
    for (int i = 1; i < 3; ++i)
        if (std::abs(c[i] - b[i]) > std::abs(c[k] - b[k]))
            k = i;
    const double alpha = double(p[k] - b[k]) / (c[k] - b[k]);
    for (int i = 0; i < 3; ++i)
        if (std::abs(b[i] + alpha * (c[i] - b[i]) - p[i]) > 3)
            return false;
    return alpha >= 0.7;
}

Text text_in(const QImage& image, const QRect& region)
{
    std::map<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    auto commonest = [](const std::map<QRgb, int>& c) {
        return std::max_element(c.begin(), c.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    };
    Text text;
    text.background = commonest(counts);
    for (auto [colour, n] : counts)
        if (const double ratio = contrast(colour, text.background); ratio > text.ratio)
            text.ratio = ratio, text.colour = colour;
    return text;
}

// The share of a picture's edge that stands out from what lies under it by
// 3:1, counting a pixel up to two steps inside the edge. shown and bare:
// the same place rendered with and without the picture.
double edge_standing_out(const QImage& shown, const QImage& bare)
{
    auto in_picture = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < shown.width() && y < shown.height() && shown.pixel(x, y) != bare.pixel(x, y);
    };
    int edge = 0, standing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (!in_picture(x, y) || (in_picture(x - 1, y) && in_picture(x + 1, y) && in_picture(x, y - 1) && in_picture(x, y + 1)))
                continue;
            ++edge;
            bool stands = false;
            for (int dy = -2; dy <= 2 && !stands; ++dy)
                for (int dx = -2; dx <= 2 && !stands; ++dx)
                    stands = std::abs(dx) + std::abs(dy) <= 2 && in_picture(x + dx, y + dy) &&
                             contrast(shown.pixel(x + dx, y + dy), bare.pixel(x + dx, y + dy)) >= 3;
            standing += stands;
        }
    }
    return edge ? double(standing) / edge : 0;
}

// The control rendered with its picture and without.
std::pair<QImage, QImage> with_and_without_picture(QAbstractButton* button)
{
    const QIcon icon = button->icon();
    const QImage shown = button->grab().toImage();
    button->setIcon(QIcon());
    const QImage bare = button->grab().toImage();
    button->setIcon(icon);
    return {shown, bare};
}

QRect inside(const QWidget* widget, const QWidget* window)
{
    return QRect(widget->mapTo(window, QPoint()), widget->size());
}

// The least contrast, all round a control, between its outermost pixels
// and those just outside it.
double outline_contrast(const QImage& shot, const QRect& r)
{
    double least = 21;
    for (int x = r.left(); x <= r.right(); ++x)
        least = std::min({least, contrast(shot.pixel(x, r.top()), shot.pixel(x, r.top() - 1)),
                          contrast(shot.pixel(x, r.bottom()), shot.pixel(x, r.bottom() + 1))});
    for (int y = r.top(); y <= r.bottom(); ++y)
        least = std::min({least, contrast(shot.pixel(r.left(), y), shot.pixel(r.left() - 1, y)),
                          contrast(shot.pixel(r.right(), y), shot.pixel(r.right() + 1, y))});
    return least;
}

// A frame's etched line is two pixels deep: the least contrast, along its
// left, right and bottom sides, of the stronger of the two against the
// window.
double frame_line_contrast(const QImage& shot, const QRect& r, QRgb window)
{
    double least = 21;
    auto deeper = [&](QPoint a, QPoint b) {
        least = std::min(least, std::max(contrast(shot.pixel(a), window), contrast(shot.pixel(b), window)));
    };
    for (int x = r.left() + 2; x <= r.right() - 2; ++x)
        deeper({x, r.bottom() - 1}, {x, r.bottom()});
    for (int y = r.bottom() - r.height() / 2; y <= r.bottom() - 2; ++y) {
        deeper({r.left(), y}, {r.left() + 1, y});
        deeper({r.right() - 1, y}, {r.right(), y});
    }
    return least;
}

}  // namespace

class TestTheme : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> t_;
    QPalette light_;

    QWidget* control(const char* name) const { return t_->w.findChild<QWidget*>(QLatin1String(name)); }

    // The desktop's palette changes while the game runs; the window follows
    // once the change reaches it.
    void set_palette(const QPalette& palette)
    {
        QApplication::setPalette(palette);
        QTRY_COMPARE(t_->w.palette().color(QPalette::Window), palette.color(QPalette::Window));
        QVERIFY(make_active(t_->w));
    }

private slots:
    // A game under way: counters with digits, a key peeked, every card turned.
    void initTestCase()
    {
        light_ = QApplication::palette();
        t_ = std::make_unique<TestWindow>();
        QVERIFY(show_active(t_->w));
        game::btniniciar_Click(t_->f);
        for (int k = 0; k < 7; ++k)
            game::Timer1_Timer(t_->f);
        game::btnsuperior_MouseMove(t_->f, 5, 0, 1, 0, 0);
        for (std::int16_t i = 0; i < game::cells; ++i)
            t_->f.btnsuperior(i).set_visible(false);
    }
    void cleanupTestCase() { QApplication::setPalette(light_); }

    // The palette the desktop gives, and others a desktop may give. With
    // Windows' own styles, only what Windows gives: they draw from its
    // look, not from any palette.
    void palettes_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("hinted");
        QTest::newRow("desktop's") << light_ << true;
        if (on_windows())
            return;
        QTest::newRow("dark") << dark_palette() << true;
        QTest::newRow("high contrast") << high_contrast_palette() << true;
        QTest::newRow("light, grey boxes") << grey_boxes_palette(light_) << true;
    }
    static bool on_windows() { return QGuiApplication::platformName() == QLatin1String("windows"); }

    // Text as drawn: the strongest pixel of its glyphs against the
    // background. Where a desktop hints fonts lightly or not at all, thin
    // strokes fall between pixels and blend into the background.
    void every_text_is_readable_data()
    {
        palettes_data();
        if (on_windows())
            return;
        QTest::newRow("dark, unhinted") << dark_palette() << false;
        QTest::newRow("high contrast, unhinted") << high_contrast_palette() << false;
    }
    void every_text_is_readable()
    {
        QFETCH(QPalette, palette);
        QFETCH(bool, hinted);
        set_palette(palette);
        const QFont hinting = QApplication::font();
        QFont unhinted = hinting;
        unhinted.setHintingPreference(QFont::PreferNoHinting);
        QApplication::setFont(hinted ? hinting : unhinted);
        const auto restore = qScopeGuard([&] { QApplication::setFont(hinting); });
        // A light palette keeps the colours as described; grey boxes ask
        // another red of the digits.
        const bool light = !tk::qt::is_dark(palette.color(QPalette::Window)) && !tk::qt::is_dark(palette.color(QPalette::Base));
        const bool grey_boxes = palette.color(QPalette::Base) != light_.color(QPalette::Base);
        QWidget& w = t_->w;
        const QImage shot = w.grab().toImage();
        double least_text = 21, least_digits = 21;  // reported, as measured
        auto check = [&](const QString& what, const QRect& region, double minimum, QRgb described) {
            const Text text = text_in(shot, region);
            (minimum < 4.5 ? least_digits : least_text) = std::min(minimum < 4.5 ? least_digits : least_text, text.ratio);
            QVERIFY2(text.ratio >= minimum, qPrintable(QStringLiteral("%1: %2:1").arg(what).arg(text.ratio, 0, 'f', 2)));
            if (light && described)
                QVERIFY2(blends(text.colour, text.background, described), qPrintable(what + QStringLiteral(": #%1").arg(text.colour, 0, 16)));
        };
        // A caption above what its frame holds, whose texts may reach up
        // into the caption's line.
        for (const char* name : {"Frame2", "Frame3"}) {
            auto* frame = static_cast<tk::qt::FrameBox*>(control(name));
            QRect caption = frame->caption_rect();
            for (const QWidget* held : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                caption.setBottom(std::min(caption.bottom(), held->geometry().top() - 1));
            check(QLatin1String(name), caption.translated(frame->mapTo(&w, QPoint())), 4.5, qRgb(0, 0, 255));
        }
        for (const char* name : {"Label1", "Label2", "Label3"})
            check(QLatin1String(name), inside(control(name), &w), 4.5, qRgb(128, 0, 0));
        check(QStringLiteral("Label5"), inside(control("Label5"), &w), 4.5, 0);
        for (const char* name : {"txtacertados", "txtfallados", "txttiempo"})
            check(QLatin1String(name), inside(static_cast<QPlainTextEdit*>(control(name))->viewport(), &w), 3,
                  grey_boxes ? 0 : qRgb(255, 0, 0));
        // Captions under the buttons' pictures, inside their bevels (a
        // disabled one may be faint, as everywhere).
        for (const char* name : {"btniniciar", "btndetener", "btnsalir"}) {
            QWidget* button = control(name);
            const bool enabled = button->isEnabled();
            button->setEnabled(true);
            const int caption = (button->height() - 34 - button->fontMetrics().height()) / 2 + 34;
            const Text text = text_in(button->grab().toImage(), QRect(4, caption, button->width() - 8, button->height() - 4 - caption));
            button->setEnabled(enabled);
            least_text = std::min(least_text, text.ratio);
            QVERIFY2(text.ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(text.ratio)));
        }
        qInfo("texts at least %.2f:1, the counters' digits %.2f:1", least_text, least_digits);

        // The focus mark, a dotted rectangle on a card and on a button.
        for (QWidget* control : {static_cast<QWidget*>(t_->face(3)), control("btnsalir")}) {
            control->clearFocus();
            const QImage unmarked = control->grab().toImage();
            control->setFocus();
            const QImage marked = control->grab().toImage();
            // Its dots along the top and bottom, some of which may fall on a
            // picture.
            const QRect path = control->rect().adjusted(3, 3, -4, -4);
            int dots = 0, standing = 0;
            for (int x = path.left(); x <= path.right(); ++x)
                for (int y : {path.top(), path.bottom()})
                    if (marked.pixel(x, y) != unmarked.pixel(x, y))
                        ++dots, standing += contrast(marked.pixel(x, y), unmarked.pixel(x, y)) >= 3;
            QVERIFY2(dots >= path.width() / 4 && standing >= dots * 9 / 10,
                     qPrintable(QStringLiteral("focus mark on %1: %2 of %3 dots at 3:1").arg(control->objectName()).arg(standing).arg(dots)));
        }

        // A message box: its text and its button's caption.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<tk::qt::MessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            const QImage image = box->grab().toImage();
            QWidget* label = box->text_label();
            const Text prompt = text_in(image, inside(label, box));
            QVERIFY2(prompt.ratio >= 4.5, qPrintable(QString::number(prompt.ratio)));
            QWidget* button = box->buttons().value(0);
            const Text caption = text_in(image, inside(button, box).adjusted(4, 4, -4, -4));
            QVERIFY2(caption.ratio >= 4.5, qPrintable(QString::number(caption.ratio)));
            box->buttons().value(0)->click();
        });
        t_->w.runtime().set_message_box_hook(nullptr);
        t_->w.runtime().msgbox(u"Correcto", tk::MB_ICONWARNING, u"RESULTADO");
        t_->answers.attach(t_->w.runtime());
    }

    // What identifies a control, its outline, stands out from what surrounds
    // it by 3:1 all round: the cards face down and face up, enabled or not,
    // the buttons and the counters. On a dark window the frames' lines stand
    // out as well; on a light one they keep their etched look.
    void every_control_stands_out_data() { palettes_data(); }
    void every_control_stands_out()
    {
        QFETCH(QPalette, palette);
        set_palette(palette);
        QWidget& w = t_->w;
        game::Form& f = t_->f;
        for (std::int16_t i = 0; i < game::cells; i += 2)
            f.btnsuperior(i).set_visible(true);  // face down on even cells, up on odd ones
        const auto restore = qScopeGuard([&] {
            for (std::int16_t i = 0; i < game::cells; ++i)
                f.btnsuperior(i).set_visible(false);
            f.Frame1.set_enabled(true);
            f.btniniciar.set_enabled(false);
        });
        double least = 21;  // reported, as measured
        for (bool enabled : {true, false}) {
            f.Frame1.set_enabled(enabled);
            f.btniniciar.set_enabled(enabled);
            const QImage shot = w.grab().toImage();
            auto check = [&](QWidget* control) {
                const double ratio = outline_contrast(shot, inside(control, &w));
                least = std::min(least, ratio);
                QVERIFY2(ratio >= tk::qt::edge_contrast, qPrintable(QStringLiteral("%1 %2: %3:1").arg(
                    control->objectName(), enabled ? QStringLiteral("enabled") : QStringLiteral("disabled")).arg(ratio, 0, 'f', 2)));
            };
            for (std::int16_t i = 0; i < game::cells; ++i)
                check(i % 2 ? t_->face(i) : t_->back(i));
            for (const char* name : {"btniniciar", "btndetener", "btnsalir", "txtacertados", "txtfallados", "txttiempo"})
                check(control(name));
            for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
                const QRect frame = inside(control(name), &w);
                const QPalette colours = control(name)->palette();
                if (tk::qt::is_dark(palette.color(QPalette::Window))) {
                    const double ratio = frame_line_contrast(shot, frame, palette.color(QPalette::Window).rgb());
                    QVERIFY2(ratio >= tk::qt::edge_contrast, qPrintable(QStringLiteral("%1: %2:1").arg(QLatin1String(name)).arg(ratio)));
                } else {
                    QCOMPARE(shot.pixel(frame.center().x(), frame.bottom() - 1), colours.color(QPalette::Dark).rgb());
                    QCOMPARE(shot.pixel(frame.center().x(), frame.bottom()), colours.color(QPalette::Light).rgb());
                }
            }
        }
        qInfo("outlines at least %.2f:1 (window %s, style %s)", least, qPrintable(palette.color(QPalette::Window).name()),
              qPrintable(w.style()->name()));
    }

    // Pictures are pixel art: at twice or three times the size each pixel
    // is repeated, never blurred.
    void pictures_stay_sharp()
    {
        auto check = [](const QString& what, const QIcon& icon, int size) {
            const QImage art = icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(art.size(), QSize(size, size));
            for (int times : {2, 3}) {
                const QImage scaled = icon.pixmap(QSize(size, size), times).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
                QVERIFY2(scaled == art.scaled(art.size() * times, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                         qPrintable(QStringLiteral("%1 at %2 pixels, times %3").arg(what).arg(size).arg(times)));
            }
        };
        for (int i = 0; i < game::cells; ++i)
            check(QStringLiteral("card %1").arg(i + 1), t_->face(i)->icon(), 32);
        for (const char* name : {"btniniciar", "btndetener", "btnsalir"})
            check(QLatin1String(name), static_cast<QAbstractButton*>(control(name))->icon(), 32);
        for (int size : {16, 32})
            check(QStringLiteral("window icon"), t_->w.windowIcon(), size);
    }

    // Every card picture, button picture and the window's icon stand out
    // from a light, a dark and a black card.
    void every_picture_stands_out_data() { palettes_data(); }
    void every_picture_stands_out()
    {
        QFETCH(QPalette, palette);
        set_palette(palette);
        auto check = [](const QString& what, const std::pair<QImage, QImage>& rendered) {
            const double share = edge_standing_out(rendered.first, rendered.second);
            QVERIFY2(share >= 0.85, qPrintable(QStringLiteral("%1: %2").arg(what).arg(share, 0, 'f', 2)));
        };
        for (int i = 0; i < game::cells; ++i)
            check(QStringLiteral("card %1").arg(i + 1), with_and_without_picture(t_->face(i)));
        for (const char* name : {"btniniciar", "btndetener", "btnsalir"}) {
            auto* button = static_cast<QAbstractButton*>(control(name));
            const bool enabled = button->isEnabled();
            button->setEnabled(true);
            check(QLatin1String(name), with_and_without_picture(button));
            button->setEnabled(enabled);
        }
        // A disabled picture is the one a fresh start in this palette draws:
        // Detener at rest, Iniciar during a game.
        window::Frmprincipal fresh;
        auto drawn = [](QWidget* button) { return button->grab().toImage(); };
        t_->f.btndetener.set_enabled(false);
        const QImage at_rest = drawn(control("btndetener"));
        t_->f.btndetener.set_enabled(true);
        QVERIFY2(at_rest == drawn(fresh.findChild<QWidget*>(QStringLiteral("btndetener"))), "Detener disabled");
        game::btniniciar_Click(fresh.form());
        QVERIFY2(drawn(control("btniniciar")) == drawn(fresh.findChild<QWidget*>(QStringLiteral("btniniciar"))), "Iniciar disabled");
        // Asked of the icon itself, as Qt asks with no widget, it is the one
        // drawn in the application's palette.
        const QIcon icon = static_cast<QAbstractButton*>(control("btndetener"))->icon();
        const QImage disabled = icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled).toImage();
        QVERIFY2(disabled != icon.pixmap(QSize(32, 32), 1.0).toImage(), "Detener's icon disabled");
        QVERIFY2(disabled == tk::qt::Look::of(QApplication::palette(), QApplication::style())
                                 .picture(icon, QSize(32, 32), 1.0, QIcon::Disabled).toImage(), "Detener's icon disabled");

        const QColor card = palette.color(QPalette::Button);
        for (int size : {16, 32}) {
            QImage bare(size, size, QImage::Format_RGB32);
            bare.fill(card);
            QImage shown = bare;
            QPainter(&shown).drawPixmap(0, 0, t_->w.windowIcon().pixmap(size, size));
            check(QStringLiteral("icon %1").arg(size), {shown, bare});
        }
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
