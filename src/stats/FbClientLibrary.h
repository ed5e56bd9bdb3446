#pragma once
// The Firebird client library, loaded by file name at the first attach and unloaded with the
// last connection that uses it. A library that cannot be loaded is an ordinary attach failure.

#include <ibase.h>

#include <memory>
#include <string>

class FbClientLibrary
{
public:
    // Loads the library through the system's library search; throws BresolanError with
    // "InterBase Client GDS32.DLL is not installed" when it or one of its entry points is missing.
    static std::shared_ptr<const FbClientLibrary> load(const std::string &fileName);

    ~FbClientLibrary();
    FbClientLibrary(const FbClientLibrary &) = delete;
    FbClientLibrary &operator=(const FbClientLibrary &) = delete;

    decltype(&::isc_attach_database) attachDatabase = nullptr;
    decltype(&::isc_detach_database) detachDatabase = nullptr;
    decltype(&::isc_database_info) databaseInfo = nullptr;
    decltype(&::isc_start_multiple) startMultiple = nullptr;
    decltype(&::isc_commit_transaction) commitTransaction = nullptr;
    decltype(&::isc_rollback_transaction) rollbackTransaction = nullptr;
    decltype(&::isc_dsql_allocate_statement) allocateStatement = nullptr;
    decltype(&::isc_dsql_prepare) prepare = nullptr;
    decltype(&::isc_dsql_describe_bind) describeBind = nullptr;
    decltype(&::isc_dsql_describe) describe = nullptr;
    decltype(&::isc_dsql_execute) execute = nullptr;
    decltype(&::isc_dsql_fetch) fetch = nullptr;
    decltype(&::isc_dsql_free_statement) freeStatement = nullptr;
    decltype(&::fb_interpret) interpret = nullptr;

private:
    FbClientLibrary() = default;
    void *m_handle = nullptr;
};
