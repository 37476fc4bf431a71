#pragma once

#include "support/FakeHttpClient.h"

#include <QByteArray>

#include <openssl/evp.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

// An Ed25519 key pair made for one test: signs manifests as the release key would, and gives its
// public half in the hexadecimal form a build is configured with.
class TestReleaseKey {
public:
    TestReleaseKey() : m_key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free) {
        if (!m_key)
            throw std::runtime_error("no Ed25519 key pair");
    }

    QByteArray sign(const QByteArray& message) const {
        const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                              &EVP_MD_CTX_free);
        QByteArray signature(64, '\0');
        std::size_t length = std::size_t(signature.size());
        if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, m_key.get()) != 1 ||
            EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &length,
                           reinterpret_cast<const unsigned char*>(message.constData()),
                           std::size_t(message.size())) != 1)
            throw std::runtime_error("signing failed");
        return signature;
    }

    // A FakeHttpClient::onGet handler serving `manifest` and, at its address with ".sig" added, this
    // key's signature of it.
    std::function<HttpResult(const QUrl&)> feed(std::function<QByteArray()> manifest) const {
        return [this, manifest = std::move(manifest)](const QUrl& url) {
            const QByteArray bytes = manifest();
            return FakeHttpClient::answer(url.path().endsWith(".sig") ? sign(bytes) : bytes);
        };
    }

    std::string publicHex() const {
        unsigned char raw[32];
        std::size_t length = sizeof raw;
        if (EVP_PKEY_get_raw_public_key(m_key.get(), raw, &length) != 1)
            throw std::runtime_error("no public key");
        return QByteArray(reinterpret_cast<const char*>(raw), qsizetype(length)).toHex().toStdString();
    }

private:
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> m_key;
};
