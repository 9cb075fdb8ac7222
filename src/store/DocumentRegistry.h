#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace spinora {

class SpinoraDatabase;

// The open collection documents and the main one (the last whose window was
// made main). Imports, exports and device transfers act on the main document.
class DocumentRegistry {
public:
    void registerDatabase(SpinoraDatabase* document);
    void deregisterDatabase(SpinoraDatabase* document);
    void registerAsMainDocument(SpinoraDatabase* document);
    SpinoraDatabase* getMainDocument() const { return mainDocument_; }
    const std::vector<SpinoraDatabase*>& documents() const { return documents_; }
    // True while the document is open (a job's result may still touch it).
    // Compares the pointer only; it is never followed.
    bool isOpen(const SpinoraDatabase* document) const;
    // True when an open document's package path equals the path (as text).
    bool isDatabaseLoaded(const QString& packagePath) const;

    // Told whether any document is open, whenever that changes (menus enable on it).
    void setAvailabilityListener(std::function<void(bool)> listener) { listener_ = std::move(listener); }

private:
    std::vector<SpinoraDatabase*> documents_;
    SpinoraDatabase* mainDocument_ = nullptr;
    std::function<void(bool)> listener_;
};

} // namespace spinora
