object BaseModule: TTestBaseModule
  object Shared: TTestWidget
    Count = 1
    Caption = 'base'
  end
end
