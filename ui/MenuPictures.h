#pragma once
// MenuPictures: the small pictures beside the menu entries, drawn by the program itself: folders
// for loading, disks for saving, a scanner, a printer, a door for Exit, and the like.

#include <QIcon>

namespace glimmerset::ui {

enum class MenuPicture {
  LoadGrid,
  LoadList,
  LoadPuzzle,
  SaveGrid,
  SaveList,
  SavePuzzle,
  Scanner,
  Print,
  PrintPreview,
  PrinterSetup,
  ExportPdf,
  Exit,
  GridEntry,
  GridEdit,
  ListEntry,
  Demo,
  Font,
  Background,
  Help,
  About,
  Email,
  Website,
};

// The picture at 16 by 16 pixels and at 32 by 32 for dense screens.
QIcon MenuIcon(MenuPicture picture);

}  // namespace glimmerset::ui
