#include "audio/GameCallPlacement.h"

#include "platform/MessageService.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Next = GameCallPlacement::Next;

const char* const kAsk =
    "You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" if you want to save the audio file ,continue ?";

TEST(GameCallPlacement, WhatTheCardHoldsDecidesTheQuestionAndTheRenames)
{
    struct Case
    {
        const char* what;
        bool picture;
        bool video;
        MessageAnswer answer;
        Next next;
        std::vector<std::string> texts;
        std::size_t renames;
    };
    const Case cases[] = {
        {"nothing in the way: no question", false, false, MessageAnswer::Ok, Next::Write, {}, 0},
        {"a first picture: asked, then renamed", true, false, MessageAnswer::Ok, Next::Rename, {kAsk}, 1},
        {"a first video alone is in the way too", false, true, MessageAnswer::Ok, Next::Rename, {kAsk}, 1},
        {"both, picture first", true, true, MessageAnswer::Ok, Next::Rename, {kAsk}, 2},
        {"declined: nothing placed",
         true,
         true,
         MessageAnswer::Cancel,
         Next::GiveUp,
         {kAsk, "You have given up saving audio file !"},
         0},
    };
    for (const Case& c : cases) {
        RecordingMessageService messages;
        messages.answerNext(c.answer);
        GameCallPlacement placement(messages);
        EXPECT_EQ(placement.start(c.picture, c.video), c.next) << c.what;
        EXPECT_EQ(messages.texts(), c.texts) << c.what;
        EXPECT_EQ(placement.renames().size(), c.renames) << c.what;
    }

    RecordingMessageService messages;
    GameCallPlacement both(messages);
    ASSERT_EQ(both.start(true, true), Next::Rename);
    EXPECT_EQ(both.renames()[0].from, "\\DCIM\\100KRTIM\\IMAG0001.JPG");
    EXPECT_EQ(both.renames()[0].to, "\\DCIM\\100KRTIM\\IMAG0001_RenameForSaveAudioFile.JPG");
    EXPECT_EQ(both.renames()[1].from, "\\DCIM\\100KRTIM\\VIDE0001.AVI");
    EXPECT_EQ(both.renames()[1].to, "\\DCIM\\100KRTIM\\VIDE0001_RenameForSaveAudioFile.AVI");
    EXPECT_EQ(messages.shown()[0].title, MessageTitle::KrtTips);
}

TEST(GameCallPlacement, RenameAndWriteOutcomesAreReported)
{
    RecordingMessageService messages;
    GameCallPlacement placement(messages);
    EXPECT_EQ(placement.renamed(true), Next::Write);
    EXPECT_TRUE(messages.shown().empty()) << "nothing is saved yet";

    EXPECT_EQ(placement.renamed(false), Next::GiveUp);
    EXPECT_EQ(messages.shown().back().text,
              "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !\n You can delete or rename them manually !");
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::Warning);

    const std::size_t before = messages.shown().size();
    placement.written(true, "E:\\DCIM\\100KRTIM\\ADUI0001.WAV", "");
    EXPECT_EQ(messages.shown().size(), before) << "a placed sound with nothing renamed needs no word";
    placement.written(false, "E:\\DCIM\\100KRTIM\\ADUI0001.WAV", "NotAllowedError");
    EXPECT_EQ(messages.shown().back().text, "Failed to delete E:\\DCIM\\100KRTIM\\ADUI0001.WAV !");
    EXPECT_EQ(messages.shown().back().detail, "NotAllowedError");

    // After renames, the placed sound is told, and only then.
    ASSERT_EQ(placement.start(true, false), Next::Rename);
    ASSERT_EQ(placement.renamed(true), Next::Write);
    placement.written(true, "E:\\DCIM\\100KRTIM\\ADUI0001.WAV", "");
    EXPECT_EQ(messages.shown().back().text, "OK,audio file have been saved !");
    EXPECT_EQ(messages.shown().back().title, MessageTitle::Application);
    placement.conversionFailed("EncodingError: unable to decode");
    EXPECT_EQ(messages.shown().back().detail, "EncodingError: unable to decode");
}

} // namespace
