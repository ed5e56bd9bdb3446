#include "CompoundDocument.h"

#include <memory>
#include <mutex>
#include <string>

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-utils.h>

#include "WriteError.h"

namespace xls {

namespace {

struct ObjectUnref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GsfHandle = std::unique_ptr<T, ObjectUnref>;

void initialiseGsf()
{
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

[[noreturn]] void fail(GsfOutput *output, const char *step)
{
    std::string text = std::string("compound document: ") + step;
    if (const GError *error = output ? gsf_output_error(output) : nullptr)
        text += std::string(": ") + error->message;
    throw WriteError(text);
}

} // namespace

std::vector<std::uint8_t> wrapInCompoundDocument(std::span<const std::uint8_t> workbookStream)
{
    initialiseGsf();

    GsfHandle<GsfOutput> memory(gsf_output_memory_new());
    if (!memory)
        fail(nullptr, "cannot create the memory sink");
    GsfHandle<GsfOutfile> root(gsf_outfile_msole_new(memory.get()));
    if (!root)
        fail(memory.get(), "cannot create the root storage");
    GsfHandle<GsfOutput> stream(gsf_outfile_new_child(root.get(), "Workbook", FALSE));
    if (!stream)
        fail(GSF_OUTPUT(root.get()), "cannot create the Workbook stream");

    if (!gsf_output_write(stream.get(), workbookStream.size(), workbookStream.data()))
        fail(stream.get(), "cannot write the Workbook stream");
    if (!gsf_output_close(stream.get()))
        fail(stream.get(), "cannot close the Workbook stream");
    // Closing the root lays out the directory and allocation tables and closes the sink.
    if (!gsf_output_close(GSF_OUTPUT(root.get())))
        fail(GSF_OUTPUT(root.get()), "cannot close the root storage");

    const auto size = static_cast<std::size_t>(gsf_output_size(memory.get()));
    const guint8 *bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory.get()));
    if (size > 0 && !bytes)
        fail(memory.get(), "no document bytes");
    return std::vector<std::uint8_t>(bytes, bytes + size);
}

} // namespace xls
