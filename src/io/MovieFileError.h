#pragma once

#include "db/DatabaseError.h"

namespace io {

// A movie file that could not be read or written; the message says which file and why, in
// words for the user.
class FileError : public db::Error {
public:
    using db::Error::Error;
};

}  // namespace io
