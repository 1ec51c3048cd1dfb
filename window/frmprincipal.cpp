// The main window: built from its description, its events wired to the game.
#include "window/frmprincipal.h"

#include "game/handlers.h"
#include "toolkit/qt/access.h"
#include "toolkit/qt/card.h"
#include "toolkit/qt/edge.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/framebox.h"
#include "toolkit/qt/handle.h"
#include "toolkit/qt/imagestore.h"
#include "toolkit/qt/look.h"
#include "toolkit/qt/picturebutton.h"
#include "toolkit/qt/pixels.h"
#include "toolkit/qt/properties.h"
#include "toolkit/qt/spanish.h"
#include "toolkit/qt/twips.h"
#include "window/layout.h"
#include "window/module1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>

#include <array>
#include <map>
#include <string_view>

namespace window {

namespace {

QString qstring(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QIcon two_size_icon(const char* name)
{
    return tk::qt::pixel_art_icon({tk::qt::load_pixels(QStringLiteral(":/%1_16").arg(QLatin1String(name))),
                                   tk::qt::load_pixels(QStringLiteral(":/%1_32").arg(QLatin1String(name)))});
}

QFont font_of(const Font& font)
{
    return tk::qt::font_of(QString::fromLatin1(font.family), font.points);
}

// A control's caption or text colour, kept readable on the background the
// desktop's palette gives it, now and after any change of palette. A
// frame's caption colour is its own, not its controls'. Controls without a
// colour keep the shared palette, which lets the style reuse its cached
// drawings across them.
void set_colour(QWidget* widget, const ControlSpec& spec)
{
    if (spec.colour == default_colour)
        return;
    const QColor colour{QRgb(spec.colour)};
    switch (spec.type) {
    case ControlType::Frame:
        static_cast<tk::qt::FrameBox*>(widget)->set_caption_colour(colour);
        break;
    case ControlType::TextBox:  // large digits
        tk::qt::show_in_colour(widget, colour, tk::qt::Look::Text::Large);
        break;
    default:
        tk::qt::show_in_colour(widget, colour, tk::qt::Look::Text::Small);
        break;
    }
}

QWidget* make_control(const ControlSpec& spec, QWidget* container)
{
    const QString caption = qstring(spec.caption);
    switch (spec.type) {
    case ControlType::Frame:
        return new tk::qt::FrameBox(caption, container);
    case ControlType::Label: {
        auto* label = new QLabel(caption, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlType::TextBox:
        return new tk::qt::EdgedTextBox(caption, {.locked = spec.locked, .multi_line = spec.multi_line, .centred = spec.centred},
                                        container);
    case ControlType::CommandButton:
        if (spec.picture) {
            auto* button = new tk::qt::PictureButton(caption, container);
            button->setIcon(two_size_icon(spec.picture));
            button->setIconSize(QSize(32, 32));
            return button;
        }
        if (spec.graphical) {
            auto* face = new tk::qt::CardFace(container);
            face->setIconSize(QSize(32, 32));
            return face;
        }
        return new tk::qt::CardBack(container);
    case ControlType::Timer:
    case ControlType::ImageList:
        return nullptr;
    }
    return nullptr;
}

}  // namespace

Frmprincipal::Frmprincipal()
{
    tk::qt::install_accessibility();
    tk::qt::install_spanish_texts();
    // Building can fail as a handler can, and is reported the same way.
    runtime_.dispatch([this] {
        build();
        connect_events();
    });
}

void Frmprincipal::build()
{
    const WindowSpec& description = frmprincipal_window;
    setWindowTitle(qstring(description.caption));
    setWindowIcon(two_size_icon(description.icon));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(tk::qt::to_pixels(0, 0, description.client_width, description.client_height).size());
    const QFont default_font = font_of(description.font);
    setFont(default_font);

    std::map<std::string_view, QWidget*> containers;
    std::array<tk::qt::CardFace*, 60> faces{};
    std::array<tk::qt::CardBack*, 60> backs{};
    const auto specs = frmprincipal_controls();
    std::vector<QWidget*> stacked;
    std::vector<std::pair<int, QWidget*>> tab_order;

    for (const ControlSpec& spec : specs) {
        QWidget* container = spec.container ? containers.at(spec.container) : this;
        QString name = QString::fromLatin1(spec.name);
        if (spec.index >= 0)
            name += QLatin1Char('_') + QString::number(spec.index);

        if (spec.type == ControlType::Timer) {
            auto* timer = new QTimer(this);
            timer->setObjectName(name);
            form_.Timer1 = tk::Timer(tk::qt::handle(timer));
            continue;
        }
        if (spec.type == ControlType::ImageList) {
            std::vector<QString> pictures, names;
            const auto card_names = card_picture_names();
            for (int k = 1; k <= int(card_names.size()); ++k) {
                pictures.push_back(QStringLiteral(":/card%1").arg(k, 2, 10, QLatin1Char('0')));
                names.push_back(qstring(card_names[static_cast<std::size_t>(k - 1)]));
            }
            auto* store = new tk::qt::ImageStore(std::move(pictures), std::move(names), this);
            store->setObjectName(name);
            form_.imglist1 = tk::ImageList(tk::qt::handle(store));
            continue;
        }

        QWidget* widget = make_control(spec, container);
        widget->setObjectName(name);
        widget->setGeometry(tk::qt::to_pixels(spec.left, spec.top, spec.width, spec.height));
        widget->setFont(spec.font.family ? font_of(spec.font) : default_font);
        set_colour(widget, spec);
        widget->setEnabled(spec.enabled);
        if (spec.index >= 0)
            widget->setProperty(tk::qt::index_property, int{spec.index});
        if (spec.accessible_name)
            widget->setAccessibleName(qstring(spec.accessible_name));
        else if (spec.index >= 0 && !spec.graphical)
            widget->setAccessibleName(qstring(card_back_name).arg(spec.index + 1));
        if (spec.type == ControlType::Frame)
            containers[spec.name] = widget;
        if (spec.index >= 0 && spec.graphical)
            faces.at(static_cast<std::size_t>(spec.index)) = static_cast<tk::qt::CardFace*>(widget);
        else if (spec.index >= 0)
            backs.at(static_cast<std::size_t>(spec.index)) = static_cast<tk::qt::CardBack*>(widget);
        stacked.push_back(widget);
        if (spec.tab_index >= 0) {
            widget->setProperty(tk::qt::tab_index_property, int{spec.tab_index});
            // Frames and labels keep their place but take no focus.
            if (widget->focusPolicy() != Qt::NoFocus)
                tab_order.emplace_back(spec.tab_index, widget);
        }
    }

    // Within each container the first listed lies on top.
    for (auto it = stacked.rbegin(); it != stacked.rend(); ++it)
        (*it)->raise();

    std::sort(tab_order.begin(), tab_order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < tab_order.size(); ++k)
        setTabOrder(tab_order[k - 1].second, tab_order[k].second);

    grid_ = new tk::qt::CardGrid(containers.at("Frame1"));
    for (std::size_t i = 0; i < backs.size(); ++i)
        grid_->add(backs[i], faces[i]);

    bind_form();
    front_end_.set_grid(grid_);
    focus_and_speech_ = std::make_unique<FocusAndSpeech>(front_end_, form_);
    control<QWidget>("btniniciar")->setFocus();
}

void Frmprincipal::bind_form()
{
    using tk::qt::handle;
    form_.me = tk::Window(handle(this));
    form_.Frame1 = tk::Frame(handle(control<QGroupBox>("Frame1")));
    form_.Frame2 = tk::Frame(handle(control<QGroupBox>("Frame2")));
    form_.Frame3 = tk::Frame(handle(control<QGroupBox>("Frame3")));
    form_.btniniciar = tk::Button(handle(control<QAbstractButton>("btniniciar")));
    form_.btndetener = tk::Button(handle(control<QAbstractButton>("btndetener")));
    form_.btnsalir = tk::Button(handle(control<QAbstractButton>("btnsalir")));
    form_.Label1 = tk::Label(handle(control<QLabel>("Label1")));
    form_.Label2 = tk::Label(handle(control<QLabel>("Label2")));
    form_.Label3 = tk::Label(handle(control<QLabel>("Label3")));
    form_.Label5 = tk::Label(handle(control<QLabel>("Label5")));
    form_.txtacertados = tk::TextBox(handle(control<QPlainTextEdit>("txtacertados")));
    form_.txtfallados = tk::TextBox(handle(control<QPlainTextEdit>("txtfallados")));
    form_.txttiempo = tk::TextBox(handle(control<QPlainTextEdit>("txttiempo")));
    for (int cell = 0; cell < grid_->count(); ++cell) {
        form_.btnimagen.add(tk::Button(handle(grid_->face(cell))));
        form_.btnsuperior.add(tk::Button(handle(grid_->back(cell))));
    }
}

template <class Widget>
Widget* Frmprincipal::control(const char* name) const
{
    auto* widget = findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("the window description has no %s", name);
    return widget;
}


void Frmprincipal::connect_events()
{
    // A click reaches the game only from a control that can take one:
    // shown, enabled, and with no message box open. An assistive press
    // clicks a moment after it returns, when that may no longer hold.
    // The control is its own connection's context: Qt tells assistive
    // technology that a button controls whatever widget its click is
    // connected to, and none of them controls the window.
    using Command = FocusAndSpeech::Command;
    auto on_click = [this](QAbstractButton* control, Command command, auto handler) {
        QObject::connect(control, &QAbstractButton::clicked, control, [this, control, command, handler] {
            if (!control->isVisible() || !control->isEnabled() || QApplication::activeModalWidget())
                return;
            focus_and_speech_->before(command);
            runtime_.dispatch(handler);
            focus_and_speech_->after(command);
        });
    };
    using tk::qt::widget;
    on_click(widget(form_.btniniciar), Command::Start, [this] { game::btniniciar_Click(form_); });
    on_click(widget(form_.btndetener), Command::PauseContinue, [this] { game::btndetener_Click(form_); });
    on_click(widget(form_.btnsalir), Command::Exit, [this] { game::btnsalir_Click(form_); });

    for (int cell = 0; cell < grid_->count(); ++cell) {
        tk::qt::CardBack* back = grid_->back(cell);
        const auto index = static_cast<std::int16_t>(back->property(tk::qt::index_property).toInt());
        on_click(back, Command::Pick, [this, index] { game::btnsuperior_Click(form_, index); });
        back->on_mouse_move([this, index](std::int16_t button, std::int16_t shift, QPointF at) {
            runtime_.dispatch([&] {
                const double twips = tk::twips_per_pixel();
                game::btnsuperior_MouseMove(form_, index, button, shift, static_cast<float>(at.x() * twips),
                                            static_cast<float>(at.y() * twips));
            });
        });
    }

    QObject::connect(findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout, this,
                     [this] { runtime_.dispatch([&] { game::Timer1_Timer(form_); }); });

#if QT_CONFIG(sessionmanager)
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (manager.allowsInteraction()) {
            if (session_ending())
                manager.cancel();
            manager.release();
        }
    });
#endif
}

bool Frmprincipal::session_ending()
{
    close();
    return !runtime_.ended();
}

void Frmprincipal::load()
{
    // Form_Load: centre the window before it is first shown.
    runtime_.dispatch([this] { centrar_formulario(form_.me); });
}

void Frmprincipal::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The focus is drawn from the start, not only once Tab was pressed.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void Frmprincipal::closeEvent(QCloseEvent* event)
{
    // While the question is open, it absorbs any other close request. Qt
    // lets a window system's close through to a window whose close is under
    // way, and would accept it without asking.
    const QPointer<QWindow> handle = windowHandle();
    if (handle)
        handle->installEventFilter(this);
    // Close reasons: 0 from the window's close command, 1 from the program.
    std::int16_t cancel = 0;
    std::int16_t unload_mode = event->spontaneous() ? 0 : 1;
    runtime_.dispatch([&] { game::Form_QueryUnload(form_, cancel, unload_mode); });
    if (handle)
        handle->removeEventFilter(this);
    // After Yes the program has ended already; after an error it ends with
    // the report.
    if (cancel != 0 || !runtime_.running())
        event->ignore();
    else
        event->accept();
}

bool Frmprincipal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched == windowHandle()) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace window
