#include "app/TerminalStream.h"

namespace {

char Shown(char c)
{
    const bool control = (c >= 0x01 && c <= 0x1F && c != '\n') || c == 0x7F;
    return control ? '?' : c;
}

} // namespace

CTerminalStream::CTerminalStream(std::ostream& target, EDestination destination)
    : std::ostream(nullptr)
    , mFilter(target.rdbuf())
{
    rdbuf(destination == EDestination::kTerminal ? &mFilter : target.rdbuf());
}

CTerminalStream::CFilter::int_type CTerminalStream::CFilter::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    return mTarget->sputc(Shown(traits_type::to_char_type(c)));
}

std::streamsize CTerminalStream::CFilter::xsputn(const char* text, std::streamsize count)
{
    for (std::streamsize i = 0; i < count; ++i) {
        if (traits_type::eq_int_type(mTarget->sputc(Shown(text[i])), traits_type::eof()))
            return i;
    }
    return count;
}

int CTerminalStream::CFilter::sync()
{
    return mTarget->pubsync();
}
