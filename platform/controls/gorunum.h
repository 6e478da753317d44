#pragma once
// The program's visual style: a purple-accented look on top of Qt's Fusion style.

class QApplication;

// Applies the style to the running application (Fusion, the palette, a small style sheet and a
// font that carries the Turkish letters). Returns false and leaves the default look in place
// when the style cannot be applied (no application object, Fusion not available).
bool GorunumUygula();

// True after a successful GorunumUygula(); the tab painter draws its own tabs only then.
bool GorunumEtkin();
