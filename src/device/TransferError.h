#pragma once

#include <QString>

namespace spinora {

// What a failed transfer hands its delegate: where the error comes from, its
// code and a text for the user. The upload's own failures (codes 100-103)
// have the domain kUploadErrorDomain; a failed connection keeps the network
// layer's own code under kNetworkErrorDomain.
struct TransferError {
    QString domain;
    long long code = 0;
    QString description;
};

inline constexpr const char* kUploadErrorDomain = "NSCocoaErrorDomain";
inline constexpr const char* kDownloadErrorDomain = "SpinoraDownload";
inline constexpr const char* kNetworkErrorDomain = "QNetworkReply";

} // namespace spinora
