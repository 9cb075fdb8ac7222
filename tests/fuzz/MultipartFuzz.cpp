// libFuzzer target for the upload form. The input is fed, in pieces, to
// the peer's reader of the form (boundary "Boundary-Spinora"). Then the
// input, repeated as its third byte says, is the export copy that
// MultipartBody streams out in pieces of the sizes its bytes choose,
// announced one byte shorter, exact or one longer as its second byte says.
// The reader must get back what was announced; a file shorter than
// announced must fail the body.
#include "FuzzSupport.h"
#include "HTTPUpload.h"
#include "MultipartBody.h"
#include "MultipartReceiver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace spinora;
    const QByteArray input = fuzz::bytes(data, size);
    const int piece = size > 0 ? data[0] % 97 + 1 : 1;
    peer::MultipartReceiver raw("Boundary-Spinora", fuzz::scratch() + QStringLiteral("/raw"));
    for (qsizetype at = 0; at < input.size() && raw.feed(input.mid(at, piece)); at += piece) {
    }

    const QByteArray file = input.repeated(size > 2 ? data[2] % 16 + 1 : 1);
    const qint64 announced = std::max<qint64>(0, file.size() + (size > 1 ? data[1] % 3 - 1 : 0));
    const QString boundary = HTTPUpload::createBoundaryString();
    MultipartBody body(fuzz::writeFile(QStringLiteral("copy.sdbi"), file), announced,
                       HTTPUpload::prefixData(boundary, QStringLiteral("copy.sdbi")), HTTPUpload::suffixData(boundary));
    peer::MultipartReceiver receiver(boundary.toLatin1(), fuzz::scratch() + QStringLiteral("/received"));
    if (!body.open(QIODevice::ReadOnly))
        qFatal("the body does not open");
    for (qsizetype i = 0; !body.atEnd(); ++i) {
        const QByteArray chunk = body.read(size > 0 ? data[i % size] * 263 + 1 : 1);
        if (chunk.isEmpty() || !receiver.feed(chunk))
            break;
    }
    receiver.closeFile();
    const bool whole = receiver.finished() && fuzz::readAll(fuzz::scratch() + "/received") == file.left(announced);
    if (announced > file.size() ? !body.fileFailed() : !whole || body.fileFailed())
        qFatal("the body did not carry the file as announced");
    return 0;
}
