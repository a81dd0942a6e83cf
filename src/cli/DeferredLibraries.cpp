// The spreadsheet and USB libraries of q5300-cli, loaded when first called.
//
// A conversion of a text file is over in a few milliseconds, and loading
// libzip (with the cryptography library it brings), expat and libusb (with
// libudev) at every start took about as long again. These definitions stand in
// for the libraries' functions in q5300-cli: the link finds them here, records
// no need of the libraries (--as-needed), and the first call of each function
// opens its library and goes on to the real one. The prototypes are the
// libraries' own headers, so a definition that differs from them does not
// compile; a function the core starts to use that is missing here links the
// library at start again, which the command-line tests notice.
#include <dlfcn.h>
#include <expat.h>
#include <libusb.h>
#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "cli/ExitCode.h"

#if !defined(Q5300_LIBZIP_SONAME) || !defined(Q5300_EXPAT_SONAME) || !defined(Q5300_LIBUSB_SONAME)
#error "the build names the files of the deferred libraries"
#endif

namespace q5300::cli {
namespace {

struct DeferredLibrary {
  const char* file;
  // What the program cannot do without it.
  const char* purpose;
  ExitCode failure;
  std::once_flag opened;
  void* handle = nullptr;
};

DeferredLibrary Libzip{Q5300_LIBZIP_SONAME, "reading spreadsheets", ExitCode::BadInput, {}};
DeferredLibrary Expat{Q5300_EXPAT_SONAME, "reading spreadsheets", ExitCode::BadInput, {}};
DeferredLibrary Libusb{Q5300_LIBUSB_SONAME, "the printer on USB", ExitCode::PrinterFailed, {}};

// The library is a dependency of the package, so it is missing only from a
// broken installation; the command cannot go on, and says why.
[[noreturn]] void CannotLoad(const DeferredLibrary& library, const char* reason) {
  std::fprintf(stderr, "q5300-cli: %s, needed for %s, cannot be loaded: %s\n", library.file,
               library.purpose, reason != nullptr ? reason : "unknown reason");
  std::fflush(nullptr);
  std::_Exit(ToStatus(library.failure));
}

void* Resolve(DeferredLibrary& library, const char* name) {
  std::call_once(library.opened, [&] {
    library.handle = dlopen(library.file, RTLD_NOW | RTLD_LOCAL);
    if (library.handle == nullptr) CannotLoad(library, dlerror());
  });
  void* function = dlsym(library.handle, name);
  if (function == nullptr) CannotLoad(library, dlerror());
  return function;
}

template <typename Function>
struct ResultOf;
template <typename R, typename... Args>
struct ResultOf<R (*)(Args...)> {
  using type = R;
};

}  // namespace
}  // namespace q5300::cli

// NAME(PARAMS) calls the function of the same name in LIBRARY with ARGS. The
// address is looked up once (the print worker may make the first call).
// clang-format off
#define Q5300_DEFERRED(LIBRARY, NAME, PARAMS, ARGS)                                         \
  extern "C" auto NAME PARAMS -> q5300::cli::ResultOf<decltype(&NAME)>::type {              \
    static const auto real =                                                                \
        reinterpret_cast<decltype(&NAME)>(q5300::cli::Resolve(q5300::cli::LIBRARY, #NAME)); \
    return real ARGS;                                                                       \
  }
// clang-format on

// The zip container of .xlsx and .ods files.
Q5300_DEFERRED(Libzip, zip_discard, (zip_t * archive), (archive))
Q5300_DEFERRED(Libzip, zip_error_fini, (zip_error_t * error), (error))
Q5300_DEFERRED(Libzip, zip_error_init, (zip_error_t * error), (error))
Q5300_DEFERRED(Libzip, zip_error_strerror, (zip_error_t * error), (error))
Q5300_DEFERRED(Libzip, zip_fclose, (zip_file_t * file), (file))
Q5300_DEFERRED(Libzip, zip_file_strerror, (zip_file_t * file), (file))
Q5300_DEFERRED(Libzip, zip_fopen_index, (zip_t * archive, zip_uint64_t index, zip_flags_t flags),
               (archive, index, flags))
Q5300_DEFERRED(Libzip, zip_fread, (zip_file_t * file, void* buffer, zip_uint64_t length),
               (file, buffer, length))
Q5300_DEFERRED(Libzip, zip_get_error, (zip_t * archive), (archive))
Q5300_DEFERRED(Libzip, zip_get_num_entries, (zip_t * archive, zip_flags_t flags), (archive, flags))
Q5300_DEFERRED(Libzip, zip_name_locate, (zip_t * archive, const char* name, zip_flags_t flags),
               (archive, name, flags))
Q5300_DEFERRED(Libzip, zip_open_from_source, (zip_source_t * source, int flags, zip_error_t* error),
               (source, flags, error))
Q5300_DEFERRED(Libzip, zip_source_buffer_create,
               (const void* data, zip_uint64_t length, int freeAfter, zip_error_t* error),
               (data, length, freeAfter, error))
Q5300_DEFERRED(Libzip, zip_source_free, (zip_source_t * source), (source))
Q5300_DEFERRED(Libzip, zip_stat_index,
               (zip_t * archive, zip_uint64_t index, zip_flags_t flags, zip_stat_t* stat),
               (archive, index, flags, stat))
Q5300_DEFERRED(Libzip, zip_stat_init, (zip_stat_t * stat), (stat))

// The XML inside them.
Q5300_DEFERRED(Expat, XML_ErrorString, (enum XML_Error code), (code))
Q5300_DEFERRED(Expat, XML_GetCurrentByteIndex, (XML_Parser parser), (parser))
Q5300_DEFERRED(Expat, XML_GetCurrentLineNumber, (XML_Parser parser), (parser))
Q5300_DEFERRED(Expat, XML_GetErrorCode, (XML_Parser parser), (parser))
Q5300_DEFERRED(Expat, XML_Parse, (XML_Parser parser, const char* text, int length, int isFinal),
               (parser, text, length, isFinal))
Q5300_DEFERRED(Expat, XML_ParserCreateNS, (const XML_Char* encoding, XML_Char separator),
               (encoding, separator))
Q5300_DEFERRED(Expat, XML_ParserFree, (XML_Parser parser), (parser))
Q5300_DEFERRED(Expat, XML_SetCharacterDataHandler,
               (XML_Parser parser, XML_CharacterDataHandler handler), (parser, handler))
Q5300_DEFERRED(Expat, XML_SetElementHandler,
               (XML_Parser parser, XML_StartElementHandler start, XML_EndElementHandler end),
               (parser, start, end))
Q5300_DEFERRED(Expat, XML_SetParamEntityParsing,
               (XML_Parser parser, enum XML_ParamEntityParsing parsing), (parser, parsing))
Q5300_DEFERRED(Expat, XML_SetStartDoctypeDeclHandler,
               (XML_Parser parser, XML_StartDoctypeDeclHandler start), (parser, start))
Q5300_DEFERRED(Expat, XML_SetUserData, (XML_Parser parser, void* userData), (parser, userData))
Q5300_DEFERRED(Expat, XML_StopParser, (XML_Parser parser, XML_Bool resumable), (parser, resumable))

// The printer on USB: print and devices.
Q5300_DEFERRED(Libusb, libusb_bulk_transfer,
               (libusb_device_handle * handle, unsigned char endpoint, unsigned char* data,
                int length, int* transferred, unsigned int timeout),
               (handle, endpoint, data, length, transferred, timeout))
Q5300_DEFERRED(Libusb, libusb_claim_interface, (libusb_device_handle * handle, int number),
               (handle, number))
Q5300_DEFERRED(Libusb, libusb_clear_halt, (libusb_device_handle * handle, unsigned char endpoint),
               (handle, endpoint))
Q5300_DEFERRED(Libusb, libusb_close, (libusb_device_handle * handle), (handle))
Q5300_DEFERRED(Libusb, libusb_error_name, (int code), (code))
Q5300_DEFERRED(Libusb, libusb_exit, (libusb_context * context), (context))
Q5300_DEFERRED(Libusb, libusb_free_config_descriptor,
               (struct libusb_config_descriptor * descriptor), (descriptor))
Q5300_DEFERRED(Libusb, libusb_free_device_list, (libusb_device * *list, int unreference),
               (list, unreference))
Q5300_DEFERRED(Libusb, libusb_get_active_config_descriptor,
               (libusb_device * device, struct libusb_config_descriptor** descriptor),
               (device, descriptor))
Q5300_DEFERRED(Libusb, libusb_get_bus_number, (libusb_device * device), (device))
Q5300_DEFERRED(Libusb, libusb_get_config_descriptor,
               (libusb_device * device, uint8_t index,
                struct libusb_config_descriptor** descriptor),
               (device, index, descriptor))
Q5300_DEFERRED(Libusb, libusb_get_configuration, (libusb_device_handle * handle, int* value),
               (handle, value))
Q5300_DEFERRED(Libusb, libusb_get_device_address, (libusb_device * device), (device))
Q5300_DEFERRED(Libusb, libusb_get_device_descriptor,
               (libusb_device * device, struct libusb_device_descriptor* descriptor),
               (device, descriptor))
Q5300_DEFERRED(Libusb, libusb_get_device_list, (libusb_context * context, libusb_device*** list),
               (context, list))
Q5300_DEFERRED(Libusb, libusb_get_port_numbers,
               (libusb_device * device, uint8_t* numbers, int length), (device, numbers, length))
Q5300_DEFERRED(Libusb, libusb_init, (libusb_context * *context), (context))
Q5300_DEFERRED(Libusb, libusb_kernel_driver_active, (libusb_device_handle * handle, int number),
               (handle, number))
Q5300_DEFERRED(Libusb, libusb_open, (libusb_device * device, libusb_device_handle** handle),
               (device, handle))
Q5300_DEFERRED(Libusb, libusb_release_interface, (libusb_device_handle * handle, int number),
               (handle, number))
Q5300_DEFERRED(Libusb, libusb_set_auto_detach_kernel_driver,
               (libusb_device_handle * handle, int enable), (handle, enable))
Q5300_DEFERRED(Libusb, libusb_set_configuration, (libusb_device_handle * handle, int value),
               (handle, value))
Q5300_DEFERRED(Libusb, libusb_strerror, (int code), (code))
