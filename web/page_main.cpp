// The page's WebAssembly: the dialog's controller in the page's worker
// (worker.js), joined to the page through the functions the worker puts on
// the module (pagePost, pageAsk, pageStopRequested, ...).

#include <emscripten.h>

#include <exception>
#include <memory>
#include <string>

#include "dialog/web/page_session.h"

namespace {

EM_JS(void, pagePost, (const char* json), { Module.pagePost(UTF8ToString(json)); });

// The answer's text comes back in memory the caller frees; its bytes wait
// in the module until they are copied.
EM_JS(char*, pageAsk, (const char* json, const char* bytes, size_t length), {
    const answer = Module.pageAsk(UTF8ToString(json), HEAPU8.slice(bytes, bytes + length));
    Module.pageAnswerBytes = answer.bytes;
    return allocateUTF8(answer.json);
});
EM_JS(size_t, pageAnswerLength, (), { return Module.pageAnswerBytes ? Module.pageAnswerBytes.length : 0; });
EM_JS(void, pageAnswerCopy, (char* to), {
    HEAPU8.set(Module.pageAnswerBytes, to);
    Module.pageAnswerBytes = null;
});
EM_JS(int, pageStopRequested, (), { return Module.pageStopRequested() ? 1 : 0; });
EM_JS(void, pageClearStop, (), { Module.pageClearStop(); });
EM_JS(void, pageSyncFiles, (), { Module.pageSyncFiles(); });

class WorkerChannel : public corvane::PageChannel {
public:
    void post(const corvane::Json& message) override { pagePost(text(message).c_str()); }

    corvane::PageAnswer ask(const corvane::Json& question, std::string_view bytes) override {
        char* answer = pageAsk(text(question).c_str(), bytes.data(), bytes.size());
        corvane::PageAnswer result{corvane::Json::parse(answer, nullptr, false), {}};
        std::free(answer);
        result.bytes.resize(pageAnswerLength());
        if (!result.bytes.empty()) pageAnswerCopy(result.bytes.data());
        if (result.value.is_discarded()) result.value = corvane::Json::object();
        return result;
    }

    bool stopRequested() override { return pageStopRequested() != 0; }
    void clearStop() override { pageClearStop(); }
    double now() override { return emscripten_get_now(); }
    void syncFiles() override { pageSyncFiles(); }

    void soon(std::function<void()> task) override {
        emscripten_async_call(
            [](void* argument) {
                std::unique_ptr<std::function<void()>> task(static_cast<std::function<void()>*>(argument));
                (*task)();
            },
            new std::function<void()>(std::move(task)), 0);
    }

private:
    // Texts of the files may hold bytes that are no UTF-8; they are replaced.
    static std::string text(const corvane::Json& value) {
        return value.dump(-1, ' ', false, corvane::Json::error_handler_t::replace);
    }
};

WorkerChannel channel;
std::unique_ptr<corvane::PageSession> session;

// Whatever escapes the controller's own guard is told on the page.
template <typename Action>
void guarded(Action action) {
    try {
        action();
    } catch (const std::exception& error) {
        channel.post({{"t", "message"}, {"text", std::string("Error: ") + error.what()}, {"title", "Error"}, {"icon", "error"}});
    }
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void corvane_page_start() {
    guarded([] {
        session = std::make_unique<corvane::PageSession>(channel);
        session->start();
    });
}

EMSCRIPTEN_KEEPALIVE void corvane_page_event(const char* json) {
    guarded([json] {
        if (session) session->handle(corvane::Json::parse(json));
    });
}

}
