// The answers queued for modal questions in tests.
#include <gtest/gtest.h>

#include "platform/ui/modalresponder.h"

TEST(ModalResponder, AnswersInOrderAndRecordsTheQuestions) {
    ResetModalResponder();
    ModalAnswer answer;
    EXPECT_FALSE(TakeModalAnswer({"MessageBox", "提示", "确实要退出本系统吗？", 0x24}, &answer));
    PushModalAnswer({6, ""});
    PushModalAnswer({1, "/tmp/a.xls"});
    ASSERT_TRUE(TakeModalAnswer({"MessageBox", "提示", "确实要退出本系统吗？", 0x24}, &answer));
    EXPECT_EQ(answer.result, 6);
    ASSERT_TRUE(TakeModalAnswer({"SaveDialog", "", "", 0}, &answer));
    EXPECT_EQ(answer.text, "/tmp/a.xls");
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[0].text, "确实要退出本系统吗？");
    EXPECT_EQ(ModalQuestions()[1].kind, "SaveDialog");
    EXPECT_FALSE(ModalAnswersWaiting());
    ResetModalResponder();
}
