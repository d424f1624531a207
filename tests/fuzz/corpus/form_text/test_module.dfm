object TestModule: TTestModule
  OldCreateOrder = False
  object Widget1: TTestWidget
    Caption = 'From the embedded description'
    OnClick = Widget1Click
    OnCount = Widget1Count
  end
end
