#pragma once

#include <QString>

// Pure helpers of the language menu and of finding a translation file.

/// What a language calls itself ("Deutsch", "日本語"), by translation-file code; the empty code
/// is the source language, Simplified Chinese. Unknown codes give an empty text.
QString nativeLanguageName(const QString &code);

/// Menu text of a language: its own name, so that a user who cannot read the current language
/// still finds theirs, followed in brackets by the current language's name for it
/// (`localName`). The language in force, and one whose local name is its own name, show the
/// own name alone.
QString languageMenuText(const QString &nativeName, const QString &localName, bool inForce);

/// The translation file of a language: "lang/specula_<code>.qm" in the program's folder; when
/// that is missing but an installed copy exists in the shared data folder (the program
/// installed under <prefix>/bin, its translations under <prefix>/share), that copy. When
/// neither exists, the path beside the program.
QString translationFilePath(const QString &programDir, const QString &code);

class QTranslator;

/// Loads the language's translation file (translationFilePath) into translator. A file that
/// is missing or damaged leaves the translator empty, so the texts show in the source
/// language: that is logged as a warning, since it means a broken installation; a load that
/// works is a debug line naming the file.
bool loadTranslation(QTranslator &translator, const QString &programDir, const QString &code);
