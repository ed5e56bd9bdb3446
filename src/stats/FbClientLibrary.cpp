#include "FbClientLibrary.h"

#include "BresolanError.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

void *openLibrary(const std::string &fileName)
{
#ifdef _WIN32
    return reinterpret_cast<void *>(::LoadLibraryA(fileName.c_str()));
#else
    return ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

void *entryPoint(void *handle, const char *name)
{
#ifdef _WIN32
    return reinterpret_cast<void *>(::GetProcAddress(static_cast<HMODULE>(handle), name));
#else
    return ::dlsym(handle, name);
#endif
}

void closeLibrary(void *handle)
{
#ifdef _WIN32
    ::FreeLibrary(static_cast<HMODULE>(handle));
#else
    ::dlclose(handle);
#endif
}

[[noreturn]] void notInstalled()
{
    throw BresolanError(QStringLiteral("InterBase Client GDS32.DLL is not installed"));
}

template <typename Function>
void resolve(void *handle, Function &target, const char *name)
{
    target = reinterpret_cast<Function>(entryPoint(handle, name));
    if (!target)
        notInstalled();
}

} // namespace

std::shared_ptr<const FbClientLibrary> FbClientLibrary::load(const std::string &fileName)
{
    std::shared_ptr<FbClientLibrary> library(new FbClientLibrary);
    library->m_handle = openLibrary(fileName);
    if (!library->m_handle)
        notInstalled();
    void *h = library->m_handle;
    resolve(h, library->attachDatabase, "isc_attach_database");
    resolve(h, library->detachDatabase, "isc_detach_database");
    resolve(h, library->databaseInfo, "isc_database_info");
    resolve(h, library->startMultiple, "isc_start_multiple");
    resolve(h, library->commitTransaction, "isc_commit_transaction");
    resolve(h, library->rollbackTransaction, "isc_rollback_transaction");
    resolve(h, library->allocateStatement, "isc_dsql_allocate_statement");
    resolve(h, library->prepare, "isc_dsql_prepare");
    resolve(h, library->describeBind, "isc_dsql_describe_bind");
    resolve(h, library->describe, "isc_dsql_describe");
    resolve(h, library->execute, "isc_dsql_execute");
    resolve(h, library->fetch, "isc_dsql_fetch");
    resolve(h, library->freeStatement, "isc_dsql_free_statement");
    resolve(h, library->interpret, "fb_interpret");
    return library;
}

FbClientLibrary::~FbClientLibrary()
{
    if (m_handle)
        closeLibrary(m_handle);
}
