#pragma once

#include <QString>

namespace db {

class Connection;
class ProgressReporter;

// Titles and lookup names are compared ignoring the case of every letter, yet every index of the
// file must be ordered by SQLite's own rules, or other programs that check or rebuild it find it
// corrupt. So each title and name is stored beside its case fold (Movie.TitleKey,
// <Table>.NameKey), which an ordinary index orders byte by byte. Other programs do not know the
// fold: a row they add has none, and a trigger clears it when they change the text otherwise
// than in the case of A-Z. Such rows are found by their text (KeyMatch) and get their fold back
// at the next opening.

// The condition that finds the rows equal to a text, ignoring case: bind the text's CaseFold,
// then the text itself. keyColumn and textColumn are names of the program's own.
QString KeyMatch(const QString& keyColumn, const QString& textColumn);

// Whether the file keeps its folds already.
bool HasCaseKeys(Connection& connection);
// Adds the fold columns with their indexes and triggers and fills them; rebuilds the indexes of
// the texts themselves, which an earlier version of the program ordered by a rule of its own.
// Run inside the caller's transaction.
void AddCaseKeys(Connection& connection);
// The same, leaving the folds to FillMissingCaseKeys: a large catalogue is folded in steps.
void AddEmptyCaseKeys(Connection& connection);

// Whether some title or name has no fold: written by another program, or before the folds.
bool HasMissingCaseKeys(Connection& connection);
// Gives a fold to every title and name that has none, in batches that are each committed on
// their own: stopped between two (progress's stop) or killed, the next run goes on where this
// one ended. Progress counts the batches.
void FillMissingCaseKeys(Connection& connection, ProgressReporter* progress = nullptr);
// What the progress window says meanwhile.
QString FillMissingCaseKeysStatus();

}  // namespace db
