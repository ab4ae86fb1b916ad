// Texts the program writes into its files (where they stay Japanese, other
// programs read them) and also shows a person. Marked with QT_TRANSLATE_NOOP
// where they are made, so the translation tools collect them; translated only
// where they are shown: text::translate(context, shown.c_str()).
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, source) source
#endif
