#pragma once

#include <atomic>
#include <memory>

namespace platform {

// A shared "please stop" flag: the owner sets it, a worker body polls it. Copies share the flag.
class CancelFlag
{
public:
    CancelFlag() : m_flag(std::make_shared<std::atomic_bool>(false)) {}

    void cancel() const { m_flag->store(true); }
    bool isCancelled() const { return m_flag->load(); }

private:
    std::shared_ptr<std::atomic_bool> m_flag;
};

} // namespace platform
