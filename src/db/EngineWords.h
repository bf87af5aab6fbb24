#pragma once

#include <QString>

namespace db {

// What a failure of the storage engine means, in words for the user, for the result codes whose
// engine text ("disk I/O error", "attempt to write a readonly database") tells a user nothing
// they can act on. Empty for the others: their text is kept.
QString EngineFailureInWords(int resultCode);

}  // namespace db
