#include "app/ImageList.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace lumorca::gui {

namespace {

struct ImageShape {
    QRgb Colour;
    const char* Glyph;  // nullptr: the folder of a category
    bool Outline;       // callers in the call window: a framed letter
};

// Structure kinds first (form, entity, field, trigger, entry), then the
// category folder and the symbol, then one mark per kind of reference.
constexpr std::array<ImageShape, TreeImageCount> Shapes = {{
    {0x2060C0, "F", false},  // 0 form, tree root
    {0x008080, "E", false},  // 1 entity
    {0x3C9A3C, "f", false},  // 2 field
    {0xD97800, "T", false},  // 3 trigger
    {0x7E3FBF, "e", false},  // 4 entry, operation
    {0xE8B923, nullptr, false},  // 5 category
    {0x707070, "s", false},  // 6 symbol, group
    {0x2E8B57, "r", false},  // 7 read
    {0xC03030, "w", false},  // 8 written
    {0xB8860B, "?", false},  // 9 condition
    {0x3F5FD0, ">", false},  // 10 call, goto, activated component
    {0x9A9A9A, ".", false},  // 11 plain
    {0x708090, "c", false},  // 12 release
    {0x6A5ACD, "v", false},  // 13 field syntax
    {0xD2691E, "L", false},  // 14 label
    {0x20A09A, "o", false},  // 15 setocc
    {0x228B22, "+", false},  // 16 creocc
    {0xB22222, "-", false},  // 17 remocc
    {0x8B5A2B, "x", false},  // 18 clear
    {0x1E7FA0, "R", false},  // 19 retrieve
    {0x1E5FA0, "S", false},  // 20 store
    {0xA0522D, "D", false},  // 21 discard
    {0x5F7FE0, "c", false},  // 22 call argument, callee
    {0x9932CC, "A", false},  // 23 activate
    {0x4682B4, "P", false},  // 24 prompt
    {0xD97800, "T", true},   // 25 calling trigger
    {0x7E3FBF, "E", true},   // 26 calling entry
    {0x2E8B57, "i", false},  // 27 parameter in
    {0x8B008B, "b", false},  // 28 parameter in/out
    {0xC03030, "o", false},  // 29 parameter out
    {0x6A5ACD, "V", false},  // 30 curocc video
    {0x556B2F, "s", false},  // 31 sort
    {0x696969, "p", false},  // 32 print break
    {0xC03030, "0", false},  // 33 initialised
}};

void DrawFolder(QPainter& p, int size, QColor colour) {
    const qreal s = size;
    QPainterPath path;
    path.moveTo(1, s * 0.25);
    path.lineTo(s * 0.4, s * 0.25);
    path.lineTo(s * 0.5, s * 0.38);
    path.lineTo(s - 1, s * 0.38);
    path.lineTo(s - 1, s - 2);
    path.lineTo(1, s - 2);
    path.closeSubpath();
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawPath(path);
}

void DrawWarning(QPainter& p, int size) {
    const qreal w = size * 0.62;
    const qreal top = size - w;
    QPainterPath triangle;
    triangle.moveTo(w / 2, top);
    triangle.lineTo(w, size - 0.5);
    triangle.lineTo(0, size - 0.5);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0, 0), 1));
    p.setBrush(QColor(0xE0, 0x10, 0x10));
    p.drawPath(triangle);
    p.setPen(QPen(Qt::white, qMax(1.0, size / 12.0)));
    p.drawLine(QPointF(w / 2, top + w * 0.3), QPointF(w / 2, top + w * 0.68));
    p.drawPoint(QPointF(w / 2, top + w * 0.84));
}

}  // namespace

QPixmap DrawTreeImage(int index, bool warning, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (index < 0 || index >= TreeImageCount) return pixmap;
    const ImageShape& shape = Shapes[static_cast<size_t>(index)];
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = QColor::fromRgb(shape.Colour);
    if (shape.Glyph == nullptr) {
        DrawFolder(p, size, colour);
    } else {
        const QRectF box(1.5, 1.5, size - 3, size - 3);
        if (shape.Outline) {
            p.setPen(QPen(colour, 1.6));
            p.setBrush(Qt::white);
        } else {
            p.setPen(QPen(colour.darker(140), 1));
            p.setBrush(colour);
        }
        p.drawRoundedRect(box, size / 5.0, size / 5.0);
        QFont font(QStringLiteral("Sans Serif"));
        font.setBold(true);
        font.setPixelSize(qMax(6, size * 2 / 3));
        p.setFont(font);
        p.setPen(shape.Outline ? colour : QColor(Qt::white));
        p.drawText(box, Qt::AlignCenter, QString::fromLatin1(shape.Glyph));
    }
    if (warning) DrawWarning(p, size);
    return pixmap;
}

const QIcon& TreeImage(int index, bool warning) {
    static std::array<QIcon, TreeImageCount * 2> icons;
    static const QIcon none;
    if (index < 0 || index >= TreeImageCount) return none;
    QIcon& icon = icons[static_cast<size_t>(index * 2 + (warning ? 1 : 0))];
    if (icon.isNull()) {
        for (int size : {16, 24, 32}) icon.addPixmap(DrawTreeImage(index, warning, size));
    }
    return icon;
}

}  // namespace lumorca::gui
