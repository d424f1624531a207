object Widget1: TTestWidget
  Caption = 'x'#13#10'y'
  Count = 3
  Big = -$8000000000000000
  Ratio = 1.5
  Align = taClient
  Styles = [tsBold, tsItalic]
  Font.Name = 'Tahoma'
  SQL.Strings = (
    'select 1')
  Items = <
    item
      Caption = 'a'
      Width = 10
    end>
  Lines = (
    'one'
    'two')
  Data = {0102FF}
  object Child: TTestWidget
    Source = Widget1
  end
end
