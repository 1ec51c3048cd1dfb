// Desktop palettes to try the window under: Qt's light one as the program
// finds it, a dark one like KDE's Breeze Dark, a high-contrast one, white on
// black, and the light one with grey text boxes.
#pragma once

#include <QApplication>
#include <QPalette>

// Breeze Dark's colours, as KDE's colour scheme gives them.
inline QPalette dark_palette()
{
    QPalette p(QColor(0x31, 0x36, 0x3b), QColor(0x2a, 0x2e, 0x32));  // button, window
    const QColor text(0xfc, 0xfc, 0xfc), disabled(0x6e, 0x71, 0x75);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        p.setColor(role, text);
    p.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
    p.setColor(QPalette::AlternateBase, QColor(0x23, 0x26, 0x29));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    p.setColor(QPalette::HighlightedText, text);
    p.setColor(QPalette::ToolTipBase, QColor(0x31, 0x36, 0x3b));
    p.setColor(QPalette::ToolTipText, text);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

inline QPalette high_contrast_palette()
{
    QPalette p(Qt::black, Qt::black);  // button, window
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
                      QPalette::ToolTipText, QPalette::Light, QPalette::Midlight})
        p.setColor(role, Qt::white);
    for (auto role : {QPalette::Base, QPalette::AlternateBase, QPalette::ToolTipBase, QPalette::Dark, QPalette::Mid, QPalette::Shadow})
        p.setColor(role, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x00, 0xff, 0xff));
    p.setColor(QPalette::HighlightedText, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0xc0, 0xc0, 0xc0));
    return p;
}

// Qt's light palette with mid-grey text boxes, as some desktop themes have
// them: the counters' red reads at 1:1 there.
inline QPalette grey_boxes_palette(const QPalette& light)
{
    QPalette p = light;
    p.setColor(QPalette::Base, QColor(0x80, 0x80, 0x80));
    return p;
}
