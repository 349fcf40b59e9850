#include "app/ByteBuffer.h"

uint8_t* CByteBuffer::Resize(int32_t size)
{
    if (size > mCapacity) {
        mData.reset();
        mData.reset(new uint8_t[size]);
        mCapacity = size;
    }
    mSize = size;
    return mData.get();
}
