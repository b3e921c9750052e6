#pragma once
// Font names of the layouts and the installed faces that print them.
//
// The layouts name the Windows Thai faces EucrosiaUPC and CordiaUPC (and a
// few others of that family). They are not installed; each maps to a TLWG
// face and a size factor, because the UPC faces are small for their point
// size (CordiaUPC 14 pt prints about as large as a 9 pt Latin face).

#include "platform/print/pagemodel.h"

#include <QFont>
#include <QSizeF>
#include <QString>

struct FontFace {
    QString family;          // installed face
    double sizeFactor = 1.0; // printed size = layout size × factor
};

// The face that prints a layout's font family; other names map to
// themselves with factor 1.
FontFace printFace(const QString& layoutFamily);

// The QFont that prints wanted: mapped face, scaled point size, style.
QFont printFont(const FontSpec& wanted);

// The height of one text line of wanted, in mm.
double lineHeightMm(const FontSpec& wanted);
// The size text takes in wanted, in mm: on one line, or wrapped into widthMm.
QSizeF textSizeMm(const FontSpec& wanted, const QString& text, double widthMm = 0, bool wordWrap = false);

// Registers the mapped faces as Qt font substitutions, so that widgets
// naming the layout fonts show Thai too (without the size factor).
void registerFontSubstitutions();
