#pragma once

#include "audio/GameCallPlacement.h"
#include "camera/CameraDialogForm.h"
#include "context/AppContext.h"
#include "network/OperatorSelection.h"
#include "params/MainParaCore.h"
#include "platform/Clock.h"
#include "web/WebMessageService.h"

#include <emscripten/val.h>

#include <array>
#include <memory>
#include <string>

/// One model's main dialog in the browser. The core's own flows run over
/// drives in the page's memory: C: holds the backup copy, E: the card's
/// "GSM" folder, which the page fills from the real card before open() and
/// writes back from save()'s bytes. The page draws what state() says and
/// hands every choice back here; no rule lives in the page.
class WebSession
{
public:
    WebSession(std::string listEntry, emscripten::val ask);
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

    /// The parameter file's name ("TQ270.TXT") and its place on the card ("GSM\TQ270.TXT").
    [[nodiscard]] std::string fileName() const;
    [[nodiscard]] std::string cardPath() const;

    /// Loads as the main dialog opens: the card's file (its bytes, or
    /// undefined when the card has none) if valid, else the defaults.
    void open(emscripten::val cardFile);

    /// Everything the page shows, with the messages since the last call.
    [[nodiscard]] emscripten::val state();

    // Contacts.
    void setCustomer(int field, std::string text);
    void clickEmailTie();
    /// Focus entered "Receive Email 1": the reminder while it is tied. True
    /// when the focus must move on to the tie box.
    bool emailFocused();

    // Network.
    void selectCountry(int row);
    void selectOperator(int row);
    void setNetworkField(int field, std::string text);
    void setIpPart(int part, std::string text);
    void clearWap();
    /// Focus entered the sending-mail server field. True when the focus
    /// must go to the sending address instead.
    bool serverFocused();
    void setEncryption(bool on);
    void setSecurityOption(int option);
    void setFtpField(int field, std::string text);

    // Camera.
    void cameraChoose(int ctrlId, int position);
    void cameraClick(int ctrlId);
    void cameraText(int ctrlId, std::string text);
    /// "Add Audio": the picked file's name, or undefined when cancelled.
    void chooseSound(emscripten::val name);
    void tick();
    void defaultSetting();

    /// SAVE over the memory drives: {ok, card, backup, placeSound, focus}.
    /// Nothing is written when the fields hold what the dialogs refuse.
    [[nodiscard]] emscripten::val save();
    /// The page could not write the card file the core produced.
    void cardWriteFailed(std::string cause);

    // The game-call sound, converted by the page (GameCallPlacement's steps).
    /// Where the sound goes and what may stand in its way, relative to the card's root.
    [[nodiscard]] static emscripten::val soundPlaces();
    [[nodiscard]] emscripten::val soundFile(emscripten::val samples);
    void soundConversionFailed(std::string cause);
    [[nodiscard]] emscripten::val soundStart(bool pictureExists, bool videoExists);
    [[nodiscard]] std::string soundRenamed(bool ok);
    void soundWritten(bool ok, std::string cause);

private:
    struct NetworkForm
    {
        std::array<std::string, NetworkParameters::FieldCount> typed;
        std::array<std::string, 4> ip;
        bool userDefined = false;
        bool encryption = false;
        int security = 0;
        bool edited = false;
        bool serverFocusFlag = false;
        FtpParameters ftp;
        bool ftpEdited = false;
    };

    void loadNetworkForm();
    void storeNetworkForm();
    void newCameraForm();
    void refreshTiedEmail();
    [[nodiscard]] bool sendingServerTyped() const;

    const ModelDescriptor* m_model;
    SystemClock m_clock;
    WebMessageService m_messages;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<MainParaCore> m_core;
    std::unique_ptr<OperatorSelection> m_operators;
    std::unique_ptr<CameraDialogForm> m_camera;
    GameCallPlacement m_placement;
    NetworkForm m_network;
    bool m_emailTied = false;
    bool m_emailFocusGuard = true;
    bool m_placeSound = false;
};
