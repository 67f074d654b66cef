#pragma once
#include <QFont>
#include <QIcon>

// The look the windows share and the application's setup: fonts, icons, the program's own
// pictures, the locale and Qt's Italian texts (no widgets).

// Nimbus Sans 8, the font of every window's controls.
QFont caratterefinestra();
// A heavy display face for the program's name: Lato Black, DejaVu Sans Bold where Lato is
// missing (stand-ins for a black sans weight that Debian does not ship).
QFont caratterepesante(double punti);
// Velno's icon, built into the program. Made (and its pictures decoded) once, for the whole
// application: every window shows it without an icon of its own.
QIcon iconaprogramma();
// The icon at 128 x 128 for the splash, from raw pixels: no image decoder (and none of the
// image-format plugins a decoder would load) stands between the start and the first frame.
QPixmap immagineprogramma();


// Velno's icons: the Tango theme, installed with Velno, asked for by name whatever the
// desktop's theme (and found even where the platform names no icon folders).
void impostaicone();

// What every Velno process sets up once its QApplication exists: the name, the Italian locale,
// the icons and the Italian texts of Qt's own dialogs.
void preparaapplicazione();

// An icon by name: Velno's own drawing for ":" names, else the theme's.
QIcon icona(const QString& nome);
