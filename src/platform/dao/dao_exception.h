#pragma once
// The one kind of error the database layer raises, shaped like the DAO exception: an error code and a
// description when error information is present, otherwise only a status code.
#include <stdexcept>
#include <string>

namespace dao {

// Error codes, numbered as the database engine the system was written for numbers them.
enum ErrorCode : long {
    kErrNotADatabase = 3343,        // unrecognised database format
    kErrFileNotFound = 3024,        // could not find file
    kErrItemNotFound = 3265,        // item not found in this collection
    kErrTableExists = 3010,         // table already exists
    kErrTableMissing = 3078,        // the engine cannot find the input table or query
    kErrConversion = 3421,          // data type conversion error
    kErrOverflow = 3349,            // numeric field overflow
    kErrNoCurrentRecord = 3021,     // no current record
    kErrReadOnly = 3027,            // cannot update; database or object is read-only
    kErrUpdateWithoutEdit = 3020,   // update or CancelUpdate without AddNew or Edit
    kErrSyntax = 3075,              // syntax error in query expression
    kErrFieldMissing = 3061,        // too few parameters / unknown field
    kErrLocked = 3260,              // locked by another user
    kErrIo = 3051,                  // the engine cannot open the file (access)
    kErrDiskFull = 3026,            // not enough space on disk
    kErrDiskIo = 3043,              // disk or network error
    kErrCorrupt = 3049,             // the database file is damaged
    kErrGeneric = 3000,             // reserved error
};

class DaoException : public std::runtime_error {
public:
    // With error information (code and description).
    DaoException(long code, const std::string& description, std::string source = "DAO.Database")
        : std::runtime_error(description), m_bHasErrorInfo(true), m_lErrorCode(code),
          m_strDescription(description), m_strSource(std::move(source)) {}

    // Without error information: only a status code, as a raw failure of the engine.
    static DaoException FromStatus(long scode) {
        DaoException e(0, "");
        e.m_bHasErrorInfo = false;
        e.m_scode = scode;
        return e;
    }

    bool m_bHasErrorInfo;
    long m_lErrorCode;
    std::string m_strDescription;
    std::string m_strSource;
    std::string m_strHelpFile;
    long m_lHelpContext = 0;
    long m_scode = 0;
};

}  // namespace dao
