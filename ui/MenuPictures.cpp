#include "MenuPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace glimmerset::ui {

namespace {

// Every picture is drawn on a 16 by 16 grid of units and scaled to the pixmap.
const QColor Outline(0x30, 0x30, 0x38);
const QColor FolderYellow(0xF2, 0xC2, 0x3A);
const QColor FolderBack(0xD9, 0xA0, 0x20);
const QColor DiskBlue(0x2F, 0x5F, 0xC8);
const QColor PaperWhite(0xFA, 0xFA, 0xF5);
const QColor MetalGrey(0x9A, 0x9E, 0xA8);
const QColor LetterBlue(0x1E, 0x50, 0xB4);
const QColor GlimmerGreen(0x2C, 0xA0, 0x48);
const QColor WarmRed(0xC8, 0x3C, 0x30);

QPen Line(const QColor& colour, qreal width = 1.0) {
  QPen pen(colour, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

// A small letter grid in the lower right corner: what the file holds is a puzzle grid.
void GridBadge(QPainter& p) {
  p.setPen(Line(Outline, 0.6));
  p.setBrush(PaperWhite);
  p.drawRect(QRectF(9.5, 9.5, 6, 6));
  p.drawLine(QPointF(11.5, 9.5), QPointF(11.5, 15.5));
  p.drawLine(QPointF(13.5, 9.5), QPointF(13.5, 15.5));
  p.drawLine(QPointF(9.5, 11.5), QPointF(15.5, 11.5));
  p.drawLine(QPointF(9.5, 13.5), QPointF(15.5, 13.5));
  p.fillRect(QRectF(11.8, 11.8, 1.5, 1.5), GlimmerGreen);
}

// A small word list in the lower right corner.
void ListBadge(QPainter& p) {
  p.setPen(Line(Outline, 0.6));
  p.setBrush(PaperWhite);
  p.drawRect(QRectF(9.5, 8.5, 6, 7));
  p.setPen(Line(LetterBlue, 1.0));
  for (const qreal y : {10.5, 12.5, 14.0}) p.drawLine(QPointF(11, y), QPointF(14, y));
}

// Grid and list together: a whole puzzle.
void PuzzleBadge(QPainter& p) {
  p.setPen(Line(Outline, 0.6));
  p.setBrush(PaperWhite);
  p.drawRect(QRectF(8.5, 8.5, 7, 7));
  p.fillRect(QRectF(9.2, 9.2, 2.6, 2.6), GlimmerGreen);
  p.fillRect(QRectF(12.2, 12.2, 2.6, 2.6), GlimmerGreen);
  p.setPen(Line(LetterBlue, 0.8));
  p.drawLine(QPointF(12.3, 10), QPointF(14.7, 10));
  p.drawLine(QPointF(9.3, 13.5), QPointF(11.7, 13.5));
}

void Folder(QPainter& p) {
  p.setPen(Line(Outline, 0.8));
  p.setBrush(FolderBack);
  QPainterPath back;
  back.moveTo(1, 3);
  back.lineTo(5.5, 3);
  back.lineTo(7, 4.5);
  back.lineTo(13, 4.5);
  back.lineTo(13, 13);
  back.lineTo(1, 13);
  back.closeSubpath();
  p.drawPath(back);
  p.setBrush(FolderYellow);
  QPainterPath front;
  front.moveTo(1, 13);
  front.lineTo(3, 7);
  front.lineTo(15, 7);
  front.lineTo(13, 13);
  front.closeSubpath();
  p.drawPath(front);
}

void Disk(QPainter& p) {
  p.setPen(Line(Outline, 0.8));
  p.setBrush(DiskBlue);
  QPainterPath body;
  body.moveTo(1.5, 1.5);
  body.lineTo(12, 1.5);
  body.lineTo(14.5, 4);
  body.lineTo(14.5, 14.5);
  body.lineTo(1.5, 14.5);
  body.closeSubpath();
  p.drawPath(body);
  p.setBrush(PaperWhite);
  p.drawRect(QRectF(4, 1.5, 7, 4.5));
  p.fillRect(QRectF(8.5, 2.3, 1.5, 3), DiskBlue);
  p.setBrush(QColor(0xE8, 0xE8, 0xF0));
  p.drawRect(QRectF(3.5, 8.5, 9, 6));
}

void Scanner(QPainter& p) {
  p.setPen(Line(Outline, 0.8));
  p.setBrush(MetalGrey.lighter(130));
  p.drawRoundedRect(QRectF(1, 6, 14, 7), 1.5, 1.5);
  p.setBrush(QColor(0x5A, 0x8C, 0xD0));
  p.drawRect(QRectF(2.5, 7.5, 11, 2.5));  // the glass
  p.fillRect(QRectF(3, 11, 9, 1), GlimmerGreen);  // the light bar
  p.setBrush(MetalGrey);
  p.drawRect(QRectF(1.5, 3.5, 13, 2.5));  // the open lid
}

void Printer(QPainter& p) {
  p.setPen(Line(Outline, 0.8));
  p.setBrush(PaperWhite);
  p.drawRect(QRectF(4, 1.5, 8, 5));  // paper going in
  p.setBrush(MetalGrey);
  p.drawRoundedRect(QRectF(1, 6, 14, 6), 1.5, 1.5);
  p.setBrush(PaperWhite);
  p.drawRect(QRectF(4, 10, 8, 5));  // the printed page
  p.setPen(Line(LetterBlue, 0.8));
  p.drawLine(QPointF(5.5, 12), QPointF(10.5, 12));
  p.drawLine(QPointF(5.5, 13.5), QPointF(9, 13.5));
  p.fillRect(QRectF(12, 7.5, 1.5, 1.2), GlimmerGreen);
}

void Page(QPainter& p) {
  p.setPen(Line(Outline, 0.8));
  p.setBrush(PaperWhite);
  QPainterPath page;
  page.moveTo(2.5, 1.5);
  page.lineTo(9.5, 1.5);
  page.lineTo(12.5, 4.5);
  page.lineTo(12.5, 14.5);
  page.lineTo(2.5, 14.5);
  page.closeSubpath();
  p.drawPath(page);
  p.setPen(Line(LetterBlue, 0.8));
  for (const qreal y : {5.0, 7.0, 9.0}) p.drawLine(QPointF(4, y), QPointF(9, y));
}

void Magnifier(QPainter& p, const QPointF& centre, qreal radius) {
  p.setPen(Line(Outline, 1.6));
  p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.9, radius * 1.9));
  p.setPen(Line(Outline, 1.0));
  p.setBrush(QColor(0xC8, 0xE4, 0xFF, 200));
  p.drawEllipse(centre, radius, radius);
}

void Gear(QPainter& p, const QPointF& centre, qreal radius) {
  p.setPen(Line(Outline, 0.7));
  p.setBrush(QColor(0xE0, 0x9A, 0x28));
  QPainterPath gear;
  constexpr int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    const qreal angle = i * 3.14159265 / teeth;
    const qreal r = i % 2 == 0 ? radius : radius * 0.72;
    const QPointF point = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    if (i == 0)
      gear.moveTo(point);
    else
      gear.lineTo(point);
  }
  gear.closeSubpath();
  p.drawPath(gear);
  p.setBrush(PaperWhite);
  p.drawEllipse(centre, radius * 0.3, radius * 0.3);
}

void Door(QPainter& p) {
  p.setPen(Line(Outline, 0.8));
  p.setBrush(QColor(0x8A, 0x5A, 0x30));
  p.drawRect(QRectF(2, 1.5, 8, 13));
  p.setBrush(QColor(0x3A, 0x2A, 0x20));
  p.drawRect(QRectF(3, 2.5, 6, 11));  // the opening
  p.setBrush(QColor(0xB0, 0x78, 0x40));
  QPainterPath leaf;  // the door swung open
  leaf.moveTo(3, 2.5);
  leaf.lineTo(6.5, 4);
  leaf.lineTo(6.5, 15);
  leaf.lineTo(3, 13.5);
  leaf.closeSubpath();
  p.drawPath(leaf);
  p.setPen(Line(WarmRed, 1.6));
  p.drawLine(QPointF(9, 8), QPointF(15, 8));
  p.drawLine(QPointF(12.5, 5.5), QPointF(15, 8));
  p.drawLine(QPointF(12.5, 10.5), QPointF(15, 8));
}

void Pencil(QPainter& p) {
  p.save();
  p.translate(8, 8);
  p.rotate(-45);
  p.setPen(Line(Outline, 0.7));
  p.setBrush(QColor(0xF0, 0xB0, 0x30));
  p.drawRect(QRectF(-5, -1.6, 8, 3.2));
  p.setBrush(QColor(0xF4, 0x9A, 0xA0));
  p.drawRect(QRectF(-7, -1.6, 2, 3.2));  // the rubber
  p.setBrush(QColor(0xF0, 0xD8, 0xB0));
  QPainterPath tip;
  tip.moveTo(3, -1.6);
  tip.lineTo(6.5, 0);
  tip.lineTo(3, 1.6);
  tip.closeSubpath();
  p.drawPath(tip);
  p.restore();
}

void Round(QPainter& p, const QColor& face, const QString& mark) {
  p.setPen(Line(face.darker(150), 0.8));
  p.setBrush(face);
  p.drawEllipse(QRectF(1, 1, 14, 14));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(11);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, mark);
}

void Envelope(QPainter& p) {
  p.setPen(Line(Outline, 0.8));
  p.setBrush(PaperWhite);
  p.drawRect(QRectF(1, 3.5, 14, 9.5));
  p.drawLine(QPointF(1, 3.5), QPointF(8, 9));
  p.drawLine(QPointF(15, 3.5), QPointF(8, 9));
  p.fillRect(QRectF(11.5, 4.5, 2.5, 2.5), WarmRed);  // the stamp
}

void Globe(QPainter& p) {
  p.setPen(Line(QColor(0x18, 0x48, 0x90), 0.8));
  p.setBrush(QColor(0x4A, 0x90, 0xE0));
  p.drawEllipse(QRectF(1, 1, 14, 14));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(4.5, 1, 7, 14));
  p.drawLine(QPointF(8, 1), QPointF(8, 15));
  p.drawLine(QPointF(1, 8), QPointF(15, 8));
  p.drawLine(QPointF(2.2, 4.5), QPointF(13.8, 4.5));
  p.drawLine(QPointF(2.2, 11.5), QPointF(13.8, 11.5));
}

void Play(QPainter& p) {
  p.setPen(Line(GlimmerGreen.darker(140), 0.8));
  p.setBrush(GlimmerGreen);
  p.drawEllipse(QRectF(1, 1, 14, 14));
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  QPainterPath triangle;
  triangle.moveTo(6, 4.5);
  triangle.lineTo(11.5, 8);
  triangle.lineTo(6, 11.5);
  triangle.closeSubpath();
  p.drawPath(triangle);
}

// A page with a red label across it, as PDF files are often shown.
void PdfPage(QPainter& p) {
  Page(p);
  p.setPen(Qt::NoPen);
  p.setBrush(WarmRed);
  p.drawRoundedRect(QRectF(1, 9.5, 13, 5.5), 1.2, 1.2);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(5);
  p.setFont(font);
  p.setPen(PaperWhite);
  p.drawText(QRectF(1, 9.5, 13, 5.5), Qt::AlignCenter, QStringLiteral("PDF"));
}

void Letter(QPainter& p) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setBold(true);
  font.setPixelSize(14);
  p.setFont(font);
  p.setPen(LetterBlue);
  p.drawText(QRectF(0, 0, 12, 15), Qt::AlignCenter, QStringLiteral("A"));
  p.setPen(Line(WarmRed, 1.4));
  p.drawLine(QPointF(10.5, 14.5), QPointF(15, 14.5));
}

void Swatches(QPainter& p) {
  p.setPen(Line(Outline, 0.6));
  const QColor colours[] = {QColor(0x30, 0x50, 0xE0), WarmRed, GlimmerGreen, QColor(0xF0, 0xC0, 0x30)};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(colours[i]);
    p.drawRect(QRectF(1.5 + (i % 2) * 7, 1.5 + (i / 2) * 7, 6, 6));
  }
}

void Draw(QPainter& p, MenuPicture picture) {
  switch (picture) {
    case MenuPicture::LoadGrid:
      Folder(p);
      GridBadge(p);
      break;
    case MenuPicture::LoadList:
      Folder(p);
      ListBadge(p);
      break;
    case MenuPicture::LoadPuzzle:
      Folder(p);
      PuzzleBadge(p);
      break;
    case MenuPicture::SaveGrid:
      Disk(p);
      GridBadge(p);
      break;
    case MenuPicture::SaveList:
      Disk(p);
      ListBadge(p);
      break;
    case MenuPicture::SavePuzzle:
      Disk(p);
      PuzzleBadge(p);
      break;
    case MenuPicture::Scanner:
      Scanner(p);
      break;
    case MenuPicture::Print:
      Printer(p);
      break;
    case MenuPicture::PrintPreview:
      Page(p);
      Magnifier(p, QPointF(9, 9.5), 3.2);
      break;
    case MenuPicture::PrinterSetup:
      Printer(p);
      Gear(p, QPointF(12, 4), 3.6);
      break;
    case MenuPicture::ExportPdf:
      PdfPage(p);
      break;
    case MenuPicture::Exit:
      Door(p);
      break;
    case MenuPicture::GridEntry:
      GridBadge(p);
      Pencil(p);
      break;
    case MenuPicture::GridEdit:
      Pencil(p);
      break;
    case MenuPicture::ListEntry:
      ListBadge(p);
      Pencil(p);
      break;
    case MenuPicture::Demo:
      Play(p);
      break;
    case MenuPicture::Font:
      Letter(p);
      break;
    case MenuPicture::Background:
      Swatches(p);
      break;
    case MenuPicture::Help:
      Round(p, LetterBlue, QStringLiteral("?"));
      break;
    case MenuPicture::About:
      Round(p, GlimmerGreen, QStringLiteral("i"));
      break;
    case MenuPicture::Email:
      Envelope(p);
      break;
    case MenuPicture::Website:
      Globe(p);
      break;
  }
}

QPixmap Drawn(MenuPicture picture, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(size / 16.0, size / 16.0);
  Draw(painter, picture);
  return pixmap;
}

}  // namespace

QIcon MenuIcon(MenuPicture picture) {
  QIcon icon;
  icon.addPixmap(Drawn(picture, 16));
  icon.addPixmap(Drawn(picture, 32));
  return icon;
}

}  // namespace glimmerset::ui
