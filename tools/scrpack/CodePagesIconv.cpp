// The code page conversions of the C library (iconv).
#include "CodePages.h"

#include <iconv.h>

#include <cerrno>

namespace {

class Converter {
public:
    Converter(const std::string& to, const std::string& from) : handle(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter()
    {
        if (handle != reinterpret_cast<iconv_t>(-1)) iconv_close(handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // False when the converter is not there or a character does not convert.
    bool Convert(const std::string& in, std::string& out)
    {
        out.clear();
        if (handle == reinterpret_cast<iconv_t>(-1)) return false;
        char* source = const_cast<char*>(in.data());
        std::size_t left = in.size();
        char buffer[256];
        for (bool flushing = false;;) {
            char* target = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t done = flushing ? iconv(handle, nullptr, nullptr, &target, &room)
                                              : iconv(handle, &source, &left, &target, &room);
            out.append(buffer, static_cast<std::size_t>(target - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
            if (done != static_cast<std::size_t>(-1)) {
                if (flushing) return true;
                flushing = true;  // a stateful code page may hold a last character back
            }
        }
    }

private:
    iconv_t handle;
};

std::string IconvName(int codePage)
{
    return "CP" + std::to_string(codePage);
}

}  // namespace

bool EncodeText(int codePage, const std::string& utf8, std::string& bytes)
{
    return Converter(IconvName(codePage), "UTF-8").Convert(utf8, bytes);
}

bool DecodeText(int codePage, const std::string& bytes, std::string& utf8)
{
    return Converter("UTF-8", IconvName(codePage)).Convert(bytes, utf8);
}
