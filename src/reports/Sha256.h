#pragma once

#include <memory>
#include <string>
#include <string_view>

struct evp_md_ctx_st;

// SHA-256 of bytes that arrive in pieces (OpenSSL's implementation).
class Sha256 final {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(std::string_view bytes);
    // The digest of everything added, as 64 lower-case hexadecimal digits. Ends the hashing.
    std::string hexDigest();

private:
    struct Free {
        void operator()(evp_md_ctx_st* context) const;
    };
    std::unique_ptr<evp_md_ctx_st, Free> m_context;
};
