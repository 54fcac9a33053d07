#include "imagelist.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>

namespace {

struct Picture {
    QColor colour;
    const char* glyph;  // a short symbol drawn on the picture
    bool round;
};

// Index -> picture. Status icons 45..47 are lamps: grey (stopped), bright and dark green
// (the two phases of the activity blink).
const QHash<int, Picture>& pictures() {
    static const QHash<int, Picture> p = {
        {7, {QColor(0x4a, 0x78, 0xb0), "\u2191", false}},  // open summary
        {8, {QColor(0x4a, 0x78, 0xb0), "\u2193", false}},  // save summary
        {10, {QColor(0x60, 0x60, 0x60), "USB", false}},
        {14, {QColor(0x4a, 0x78, 0xb0), "P", false}},       // print
        {18, {QColor(0x30, 0x60, 0xc0), "?", true}},        // help contents
        {19, {QColor(0x70, 0x50, 0x90), "\u2630", false}},  // device selection
        {20, {QColor(0x20, 0x90, 0x30), "\u25B6", false}},  // start
        {21, {QColor(0xc0, 0x30, 0x30), "\u25A0", false}},  // stop
        {22, {QColor(0x90, 0x70, 0x20), "K", false}},       // component test
        {24, {QColor(0x30, 0x70, 0x90), "\u00DC", false}},  // overview
        {25, {QColor(0x30, 0x70, 0x90), "B", false}},       // operating data
        {26, {QColor(0x30, 0x70, 0x90), "i", false}},       // device information
        {28, {QColor(0x30, 0x70, 0x90), "T", false}},       // telegram log
        {29, {QColor(0xb0, 0x40, 0x40), "F", false}},       // error list
        {30, {QColor(0xb0, 0x40, 0x40), "\u2716", false}},  // delete errors
        {32, {QColor(0x50, 0x50, 0x50), "0", true}},        // off
        {34, {QColor(0xd0, 0x60, 0x10), "\u2668", true}},   // heating
        {35, {QColor(0xd0, 0x90, 0x10), "+", true}},        // supplementary heating
        {39, {QColor(0x60, 0x60, 0x60), "\u00B0", false}},  // units
        {40, {QColor(0x70, 0x50, 0x90), "E", false}},       // EOL cell
        {41, {QColor(0x20, 0x80, 0x80), "\u25CF", false}},  // start measurement log
        {43, {QColor(0x20, 0x80, 0x80), "\u25A0", false}},  // stop measurement log
        {45, {QColor(0x90, 0x90, 0x90), "", true}},
        {46, {QColor(0x10, 0xd0, 0x20), "", true}},
        {47, {QColor(0x10, 0x70, 0x10), "", true}},
        {48, {QColor(0x60, 0x60, 0x60), "\u2709", false}},  // free telegram
        {49, {QColor(0x50, 0x80, 0x50), "CO", false}},
        {50, {QColor(0x50, 0x80, 0x50), "U", false}},
        {51, {QColor(0x30, 0x90, 0x60), "S2", true}},
        {52, {QColor(0x30, 0x90, 0x60), "S1", true}},
        {53, {QColor(0x60, 0x60, 0x60), "A", false}},       // language
        {54, {QColor(0x20, 0x60, 0xc0), "\u21BB", true}},   // pump on
        {55, {QColor(0x30, 0x70, 0x90), "\u223F", false}},  // trend
        {56, {QColor(0x90, 0x30, 0x90), "\u21E9", false}},  // programming
        {57, {QColor(0x50, 0x50, 0x70), "\u21BB", true}},   // pump off
    };
    return p;
}

QPixmap draw(const Picture& pic, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(pic.colour.darker(140));
    p.setBrush(pic.colour);
    const QRectF r(1, 1, size - 2, size - 2);
    if (pic.round)
        p.drawEllipse(r);
    else
        p.drawRoundedRect(r, size / 6.0, size / 6.0);
    if (*pic.glyph) {
        QFont f = p.font();
        const int len = static_cast<int>(QString::fromUtf8(pic.glyph).size());
        f.setPixelSize(len > 1 ? size * 4 / 10 : size * 6 / 10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, QString::fromUtf8(pic.glyph));
    }
    return pm;
}

}  // namespace

QIcon IMAGE_Icon(int index) {
    static QHash<int, QIcon> cache;
    if (auto it = cache.find(index); it != cache.end()) return *it;
    const auto& all = pictures();
    auto p = all.find(index);
    if (p == all.end()) return {};
    QIcon icon;
    for (int size : {16, 24, 32}) icon.addPixmap(draw(*p, size));
    cache.insert(index, icon);
    return icon;
}
