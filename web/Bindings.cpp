// The page's view of the core: the thirty models and one main dialog at a
// time (WebSession). Everything the page decides is asked of these.
#include "models/ModelCatalogue.h"
#include "web/WebSession.h"

#include <emscripten/bind.h>

using emscripten::val;

namespace {

val models()
{
    val out = val::array();
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        val row = val::object();
        row.set("entry", std::string(model.listEntry));
        row.set("picture", model.picture);
        out.call<void>("push", row);
    }
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(krt)
{
    emscripten::function("models", &models);
    emscripten::function("noSelectionPicture", emscripten::optional_override([] {
                             return ModelCatalogue::kNoSelectionPicture;
                         }));
    emscripten::class_<WebSession>("Session")
        .constructor<std::string, val>()
        .function("fileName", &WebSession::fileName)
        .function("cardPath", &WebSession::cardPath)
        .function("open", &WebSession::open)
        .function("state", &WebSession::state)
        .function("setCustomer", &WebSession::setCustomer)
        .function("clickEmailTie", &WebSession::clickEmailTie)
        .function("emailFocused", &WebSession::emailFocused)
        .function("selectCountry", &WebSession::selectCountry)
        .function("selectOperator", &WebSession::selectOperator)
        .function("setNetworkField", &WebSession::setNetworkField)
        .function("setIpPart", &WebSession::setIpPart)
        .function("clearWap", &WebSession::clearWap)
        .function("serverFocused", &WebSession::serverFocused)
        .function("setEncryption", &WebSession::setEncryption)
        .function("setSecurityOption", &WebSession::setSecurityOption)
        .function("setFtpField", &WebSession::setFtpField)
        .function("cameraChoose", &WebSession::cameraChoose)
        .function("cameraClick", &WebSession::cameraClick)
        .function("cameraText", &WebSession::cameraText)
        .function("chooseSound", &WebSession::chooseSound)
        .function("tick", &WebSession::tick)
        .function("defaultSetting", &WebSession::defaultSetting)
        .function("save", &WebSession::save)
        .function("cardWriteFailed", &WebSession::cardWriteFailed)
        .class_function("soundPlaces", &WebSession::soundPlaces)
        .function("soundFile", &WebSession::soundFile)
        .function("soundConversionFailed", &WebSession::soundConversionFailed)
        .function("soundStart", &WebSession::soundStart)
        .function("soundRenamed", &WebSession::soundRenamed)
        .function("soundWritten", &WebSession::soundWritten);
}
