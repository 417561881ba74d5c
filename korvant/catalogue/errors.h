#pragma once
#include <stdexcept>
#include <string>

namespace skelvora {

// Every failure the catalogue core reports. The message is meant for the
// user as it stands; the general error report adds the full stop.
class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Cannot open file %s" / "Cannot create file %s" and their relatives.
class FileError : public CatalogueError {
public:
    using CatalogueError::CatalogueError;
};

// A packed date-time whose fields form no valid moment.
class InvalidMoment : public CatalogueError {
public:
    using CatalogueError::CatalogueError;
};

} // namespace skelvora
